// A point traced on the whole line, and a station and offset set out on it.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "alignment/alignment.h"

struct LineTrace {
    std::size_t element;
    double PK, d; // d positive to the right of growing stations
};

// The element whose stretch holds the point at the least offset traces it; where
// several trace it at offsets within SameOffsetTolerance of the least, the earliest
// in line order. None when no stretch holds the point, or when the point lies
// before the start or past the end nearer the line's extension there than that
// least offset.
std::optional<LineTrace> TraceOnAlignment(const Alignment& line, double Y, double X);

// The point of station PK and offset d at each place the station occurs (one but
// across an equation that makes stations occur twice); each with its element.
struct LineSetOut {
    SetOutOutcome outcome;
    double Y, X;
    std::size_t element; // set out on, or whose centre d reaches
};
// Empty for a station off the line.
std::vector<LineSetOut> SetOutOnAlignment(const Alignment& line, double PK, double d);
