#include "app/route_commands.h"

#include "app/dialog_commands.h"
#include "route/route_elements.h"
#include "route/route_point_trace.h"
#include "route/route_profile.h"
#include "resource_ids.h"
#include "text/win32/selected_text.h"
#include "text/win32/wait_cursor.h"
#include "text/win32/window_text.h"

namespace {
// Elements of the selected line: the report appended in one piece; the line kept
// when it was read without refusal.
void ReportRouteElements(HWND edit) {
    SelectedText selected;
    if (!ReadSelectedText(edit, "Select the lines of the line to read.", selected)) return;
    WaitCursor wait;
    RouteElements elements = ReadRouteElements(selected.lines);
    if (elements.line) TheStoredRoute = std::move(elements.line);
    AppendToEditor(edit, elements.report.c_str());
}

// Profile of the selected line: the report appended in one piece; the profile kept
// when it was read without refusal.
void ReportRouteProfile(HWND edit) {
    SelectedText selected;
    if (!ReadSelectedText(edit, "Select the lines of the line to read.", selected)) return;
    WaitCursor wait;
    RouteProfile profile = ReadRouteProfile(selected.lines);
    if (profile.profile) TheStoredProfile = std::move(profile.profile);
    AppendToEditor(edit, profile.report.c_str());
}

// Trace selected points on the stored line, in one append; no stored value changes.
void TracePointsOnStoredRoute(HWND edit) {
    SelectedText selected;
    if (!ReadSelectedText(edit, "Select the lines of the points to trace.", selected)) return;
    WaitCursor wait;
    const std::string report =
        TracePointsOnRoute(*TheStoredRoute, selected.lines, TheStoredProfile ? &*TheStoredProfile : nullptr);
    AppendToEditor(edit, report.c_str());
}
} // namespace

int RunRouteCommand(HWND owner, HWND edit, int command) {
    switch (command) {
    case CMD_LINE_ELEMENTS:
        ReportRouteElements(edit);
        return 1;
    case CMD_LINE_PROFILE:
        ReportRouteProfile(edit);
        return 1;
    case CMD_LINE_TRACE_POINTS:
    case CMD_LINE_SET_OUT:
        if (!TheStoredRoute)
            ShowNotice("No line has been read yet.");
        else if (command == CMD_LINE_TRACE_POINTS)
            TracePointsOnStoredRoute(edit);
        else
            RunDialogCommand(owner, edit, command);
        return 1;
    }
    return 0;
}
