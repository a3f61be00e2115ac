// Profile of the selected line: the profile table in the selected lines read, its
// grades and vertical curves computed, and their report. The profile is kept apart
// from the line: either may be read first, or again.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "route/vertical_profile.h"
#include "text/selected_lines.h"

struct RouteProfile {
    // Ready to append: CR LF, the title "Profile of the line", the notes of the
    // skipped lines, PSTART, each PVI with its grades, curve and the curve's ends,
    // PEND and the profile's length; or the title and "!Profile not read: REASON!".
    // Lines end CR LF.
    std::string report;
    // The profile, when it was read without refusal.
    std::optional<VerticalProfile> profile;
};

RouteProfile ReadRouteProfile(std::span<const TextLine> lines);
