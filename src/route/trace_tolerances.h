// The tolerances of a check of surveyed track against its design, given among the
// selected point lines by a line "TOL d=0.020 dH=0.010 dh=3" (any of the three, in
// any order): the plan offset d and the level difference dH in metres, the cant's
// difference dh in millimetres. A point is over a tolerance when the size of its
// deviation exceeds it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "text/selected_lines.h"

struct TraceTolerances {
    std::optional<double> d, dH, dh;
};

// The TOL lines of a selection read.
struct ToleranceLines {
    bool given = false;         // the selection holds a TOL line
    TraceTolerances tolerances; // a later line's value replaces an earlier one's
};

// Whether the line's first field is the word TOL (in any case).
bool IsToleranceLine(std::string_view line);

// Why a TOL line sets nothing: an item that is no "label=number" with a label d, dH
// or dh ("\"dz=3\" is no d=, dH= or dh="), or whose number is none or below 0
// ("\"0,02\" is not a number (write a decimal point)"); empty for a line read.
std::string ToleranceLineRefusal(std::string_view line);

// The tolerances of the TOL lines of the selection, wherever they stand in it.
ToleranceLines ReadToleranceLines(std::span<const TextLine> lines);

// Which quantities of a point exceed their tolerance in size (none without a
// tolerance or a value).
struct OverTolerance {
    bool d = false, dH = false, dh = false;
    // Appends "   !over: d dH!", the quantities over in the order d, dH, dh, when any is.
    void AppendFlag(std::string& out) const;
};
OverTolerance OverTolerances(const TraceTolerances& tolerances, double d, std::optional<double> dH,
                             std::optional<double> dh);
