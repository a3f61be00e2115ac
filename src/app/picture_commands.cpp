#include "app/picture_commands.h"

#include "app/document_commands.h"
#include "pictures/win32/chart_picture.h"
#include "pictures/win32/picture_window.h"
#include "pictures/win32/plan_picture.h"
#include "resource_ids.h"
#include "route/line_session.h"

namespace {
// Global: the open picture windows, or nullptr.
HWND PlanWindow = nullptr;
HWND ChartWindow = nullptr;
} // namespace

void OpenRoutePicture(HWND owner, int command) {
    // The open pictures follow the session: another line, a trace, a set-out.
    static const std::size_t listening = TheLineSession().Listen([](LineChange change) {
        if (change != LineChange::Profile) UpdatePictureWindows(change == LineChange::Line);
    });
    (void)listening;
    if (command == CMD_LINE_PLAN)
        OpenPictureWindow(owner, PlanWindow, MakePlanPicture, &FileName);
    else
        OpenPictureWindow(owner, ChartWindow, MakeChartPicture, &FileName);
}

void UpdatePictureWindows(bool anotherLine) {
    UpdatePictureWindow(PlanWindow, anotherLine);
    UpdatePictureWindow(ChartWindow, anotherLine);
}
