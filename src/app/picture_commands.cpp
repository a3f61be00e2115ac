#include "app/picture_commands.h"

#include "app/document_commands.h"
#include "pictures/win32/chart_picture.h"
#include "pictures/win32/picture_window.h"
#include "pictures/win32/plan_picture.h"
#include "resource_ids.h"

namespace {
// Global: the open picture windows, or nullptr.
HWND PlanWindow = nullptr;
HWND ChartWindow = nullptr;
} // namespace

void OpenRoutePicture(HWND owner, int command) {
    if (command == CMD_LINE_PLAN)
        OpenPictureWindow(owner, PlanWindow, MakePlanPicture, &FileName);
    else
        OpenPictureWindow(owner, ChartWindow, MakeChartPicture, &FileName);
}

void UpdatePictureWindows() {
    UpdatePictureWindow(PlanWindow);
    UpdatePictureWindow(ChartWindow);
}
