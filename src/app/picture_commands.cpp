#include "app/picture_commands.h"

#include "app/document_commands.h"
#include "pictures/win32/chart_picture.h"
#include "pictures/win32/picture_window.h"
#include "pictures/win32/plan_picture.h"
#include "resource_ids.h"
#include "route/route_elements.h"
#include "route/route_results.h"
#include "text/win32/window_text.h"

namespace {
// Global: the open picture windows, or nullptr.
HWND PlanWindow = nullptr;
HWND ChartWindow = nullptr;
} // namespace

int RunPictureCommand(HWND owner, int command) {
    if (command != CMD_LINE_PLAN && command != CMD_LINE_OFFSETS) return 0;
    if (!TheStoredRoute)
        ShowNotice("No line has been read yet.");
    else if (command == CMD_LINE_PLAN)
        OpenPictureWindow(owner, PlanWindow, MakePlanPicture, &FileName);
    else if (!TheRouteResults.traced)
        ShowNotice("No points have been traced on the line yet.");
    else
        OpenPictureWindow(owner, ChartWindow, MakeChartPicture, &FileName);
    return 1;
}

void UpdatePictureWindows() {
    UpdatePictureWindow(PlanWindow);
    UpdatePictureWindow(ChartWindow);
}
