// Trace selected points on the line: every point line traced on the element of the
// line that holds it (TraceOnAlignment), with the heights at its station.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "alignment/alignment.h"
#include "route/line_session.h"
#include "route/trace_tolerances.h"
#include "route/vertical_profile.h"
#include "text/selected_lines.h"

struct RouteTrace {
    // Ready to append: CR LF, "Trace of points on the line", one line per point
    // ("P1   PK=300.0000   d=1.5000   straight START-VU1", or "P9   !Point outside
    // of the line!"), the notes of skipped lines in their places, and last "Points:
    // n traced, m outside, k skipped". With a profile (or a cant on the line) each
    // traced point's line also shows the heights at its station after d
    // (RouteHeights), and with a profile the last line ends ", c levels compared":
    // the points traced with a level and a design level. An offset that reads as
    // zero is written without a sign.
    // A point line with a measured cant adds "   hm=…   dh=…" (mm, hm less the
    // design cant) before the element; a TOL line among the lines sets tolerances,
    // and a point over one ends its line "   !over: d dH!". With a TOL line or a
    // measured cant, the summary of d, dH and dh (DeviationSummaryLine) comes
    // before the counts.
    std::string report;
    // The tolerances of a TOL line, when the lines held one.
    std::optional<TraceTolerances> tolerances;
    // The points traced, for the pictures of the line.
    std::vector<TracedRoutePoint> points;
};

RouteTrace TracePointsOnRoute(const Alignment& line, std::span<const TextLine> lines,
                              const VerticalProfile* profile = nullptr);
