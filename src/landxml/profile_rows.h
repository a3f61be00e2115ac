// The vertical profile of an alignment (its first ProfAlign) as a profile table:
// PSTART, a PVI for each point between, PEND, at design stations.
//
// A ParaCurve of length L between grades g1 and g2 becomes Rv = L / |g2 - g1|; a
// CircCurve keeps the absolute value of its radius. Neighbouring vertical curves
// whose tangents then overlap (touching circular curves written as parabolas, or
// touching curves whose written levels round their grades) by at most
// MaxTouchingOverlap are made to touch: both radii are reduced in the same
// proportion (and rounded down at the written decimals) until the profile table's
// own check, on the written stations and levels, finds no overlap. The same holds for
// a curve reaching past the profile's first or last point.
#pragma once

#include <string>

#include "landxml/import_context.h"

// Circular and parabolic tangents of one radius differ by R (|g2 - g1| / 2 -
// tan(|atan g2 - atan g1| / 2)): a few centimetres on rail grades, decimetres on
// steep road grades with large radii; more than a metre is no touching but a design
// whose curves overlap, left as written (noted) for the profile command to refuse.
constexpr double MaxTouchingOverlap = 1.0;

// The rows, "\r\n" after each; empty (with a note) when the alignment has no
// profile of at least two points.
std::string ProfileRows(const AlignmentContext& context, std::string& profileName);
