// Elements of the selected line: the IP table in the selected lines read, the line
// built, and the report of every curve's elements and main points.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "route/route.h"
#include "text/selected_lines.h"

struct RouteElements {
    // Ready to append: CR LF, the title "Elements of the line", the notes of the
    // skipped lines, START, each IP with its elements and main points, END and the
    // line's length; or the title and "!Line not read: REASON!". Lines end CR LF.
    std::string report;
    // The line, when it was read without refusal.
    std::optional<Route> line;
};

RouteElements ReadRouteElements(std::span<const TextLine> lines);

// The line read last without refusal, kept for the program's life.
extern std::optional<Route> TheStoredRoute;
