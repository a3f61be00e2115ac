// Trace selected points on the line: every point line traced on the element of the
// stored line whose stretch holds it, by that element's own calculator.
#pragma once

#include <span>
#include <string>

#include "route/route.h"
#include "route/vertical_profile.h"
#include "text/selected_lines.h"

// The report, ready to append: CR LF, "Trace of points on the line", one line per
// point ("P1   PK=300.0000   d=1.5000   straight START-VU1", or "P9   !Point
// outside of the line!"), the notes of skipped lines in their places, and last
// "Points: n traced, m outside, k skipped". Where several stretches hold a point,
// the element that gives the smallest |d| traces it (the earlier one on a tie); a
// point before START or beyond END is outside unless an element holds it nearer
// than the line's end straight does.
// d is positive to the right of growing pickets: the circle's outward offset is
// turned round on a right-hand curve.
// With a profile (or a cant on the line) each traced point's line also shows the
// heights at its picket after d (RouteHeights), and with a profile the last line
// ends ", c levels compared": the points traced with a level and a design level.
std::string TracePointsOnRoute(const Route& line, std::span<const TextLine> lines,
                               const VerticalProfile* profile = nullptr);
