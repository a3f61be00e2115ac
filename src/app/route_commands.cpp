#include "app/route_commands.h"

#include "route/route_elements.h"
#include "route/route_point_trace.h"
#include "route/route_results.h"
#include "route/route_profile.h"
#include "text/win32/selected_text.h"
#include "text/win32/wait_cursor.h"
#include "text/win32/window_text.h"

namespace {
// What a refused table leaves in use: the one read before, or none.
struct KeptWords {
    const char* stays; // "The line read before stays in use."
    const char* none;  // "No line is in use."
};

// The table in the selection read by `read` (ReadRouteElements, ReadRouteProfile),
// its report appended in one piece, and what it gives kept in `kept` when it was
// read without refusal; a refused one's report ends with what stays in use.
template <typename Reading, typename Kept>
void ReportSelectedTable(HWND edit, Reading (*read)(std::span<const TextLine>),
                         std::optional<Kept> Reading::*result, std::optional<Kept>& kept, KeptWords words,
                         void (*onKept)() = nullptr) {
    SelectedText selected;
    if (!ReadSelectedText(edit, "Select the lines of the line to read.", selected)) return;
    WaitCursor wait;
    Reading reading = read(selected.lines);
    if (reading.*result) {
        kept = std::move(reading.*result);
        if (onKept != nullptr) onKept();
    } else {
        (reading.report += kept ? words.stays : words.none) += "\r\n";
    }
    AppendToEditor(edit, reading.report.c_str());
}
} // namespace

void ReportRouteElements(HWND edit) {
    // The last trace and set-out were on the line before.
    ReportSelectedTable(edit, ReadRouteElements, &RouteElements::line, TheStoredRoute,
                        {"The line read before stays in use.", "No line is in use."}, ForgetRouteResults);
}

void ReportRouteProfile(HWND edit) {
    ReportSelectedTable(edit, ReadRouteProfile, &RouteProfile::profile, TheStoredProfile,
                        {"The profile read before stays in use.", "No profile is in use."});
}

void TracePointsOnStoredRoute(HWND edit) {
    SelectedText selected;
    if (!ReadSelectedText(edit, "Select the lines of the points to trace.", selected)) return;
    WaitCursor wait;
    const std::string report =
        TracePointsOnRoute(*TheStoredRoute, selected.lines, TheStoredProfile ? &*TheStoredProfile : nullptr);
    AppendToEditor(edit, report.c_str());
}
