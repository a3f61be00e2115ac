// A line given by an element table, as the one model of the line: each row an
// element of true geometry (a straight, a circular arc or a clothoid, computed from
// its own start point, direction, length and curvatures), the stations of its rows
// with their equations, its cant rows, and its joints as the main points a plan
// marks.
#pragma once

#include <string>

#include "alignment/alignment.h"
#include "route/element_table_reader.h"

struct ElementLineBuild {
    Alignment line;
    // The Elements report after its title and notes: one line per element, the
    // equations and kinks in their places, END and the length; lines end CR LF.
    std::string report;
    std::string refusal; // empty when built
};

// Refused where an element's start lies more than JointTolerance from the previous
// element's computed end, END more than that from the last element's end, or an
// element cannot be computed (it turns through more than a clothoid can be followed).
ElementLineBuild BuildElementLine(const ElementTable& table);
