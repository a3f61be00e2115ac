#include "app/route_commands.h"

#include "route/route_elements.h"
#include "route/route_point_trace.h"
#include "route/route_results.h"
#include "text/win32/selected_text.h"
#include "text/win32/wait_cursor.h"
#include "text/win32/window_text.h"

void ReportRouteElements(HWND edit) {
    SelectedText selected;
    if (!ReadSelectedText(edit, "Select the lines of the line to read.", selected)) return;
    WaitCursor wait;
    RouteElements elements = ReadRouteElements(selected.lines);
    if (elements.line) {
        TheStoredRoute = std::move(elements.line);
        ForgetRouteResults(); // the last trace and set-out were on the line before
    }
    AppendToEditor(edit, elements.report.c_str());
}

void TracePointsOnStoredRoute(HWND edit) {
    SelectedText selected;
    if (!ReadSelectedText(edit, "Select the lines of the points to trace.", selected)) return;
    WaitCursor wait;
    const std::string report = TracePointsOnRoute(*TheStoredRoute, selected.lines);
    AppendToEditor(edit, report.c_str());
}
