// Elements of the selected line: the IP table or element table in the selected
// lines read, the line built, and the report of its elements.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "alignment/alignment.h"
#include "text/selected_lines.h"

struct RouteElements {
    // Ready to append: CR LF, the title "Elements of the line", the notes of the
    // skipped lines, then an IP table's START, each IP with its elements and main
    // points, END and the line's length, or an element table's elements with its
    // equations and kinks, END and the length; or the title and "!Line not read:
    // REASON!". Lines end CR LF.
    std::string report;
    // The line, when it was read without refusal.
    std::optional<Alignment> line;
};

// An element table when a selected line begins with ELEMENTS, an IP table otherwise.
RouteElements ReadRouteElements(std::span<const TextLine> lines);
