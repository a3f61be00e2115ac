#include "app/route_commands.h"

#include "route/route_elements.h"
#include "route/route_point_trace.h"
#include "route/route_results.h"
#include "route/route_profile.h"
#include "text/win32/selected_text.h"
#include "text/win32/wait_cursor.h"
#include "text/win32/window_text.h"

namespace {
// The table in the selection read by `read` (ReadRouteElements, ReadRouteProfile),
// its report appended in one piece, and what it gives kept in `kept` when it was
// read without refusal.
template <typename Reading, typename Kept>
void ReportSelectedTable(HWND edit, Reading (*read)(std::span<const TextLine>),
                         std::optional<Kept> Reading::*result, std::optional<Kept>& kept,
                         void (*onKept)() = nullptr) {
    SelectedText selected;
    if (!ReadSelectedText(edit, "Select the lines of the line to read.", selected)) return;
    WaitCursor wait;
    Reading reading = read(selected.lines);
    if (reading.*result) {
        kept = std::move(reading.*result);
        if (onKept != nullptr) onKept();
    }
    AppendToEditor(edit, reading.report.c_str());
}
} // namespace

void ReportRouteElements(HWND edit) {
    // The last trace and set-out were on the line before.
    ReportSelectedTable(edit, ReadRouteElements, &RouteElements::line, TheStoredRoute, ForgetRouteResults);
}

void ReportRouteProfile(HWND edit) {
    ReportSelectedTable(edit, ReadRouteProfile, &RouteProfile::profile, TheStoredProfile);
}

void TracePointsOnStoredRoute(HWND edit) {
    SelectedText selected;
    if (!ReadSelectedText(edit, "Select the lines of the points to trace.", selected)) return;
    WaitCursor wait;
    const std::string report =
        TracePointsOnRoute(*TheStoredRoute, selected.lines, TheStoredProfile ? &*TheStoredProfile : nullptr);
    AppendToEditor(edit, report.c_str());
}
