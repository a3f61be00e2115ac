#include "app/menu_command_runner.h"

#include "app/dialog_commands.h"
#include "app/document_commands.h"
#include "app/edit_commands.h"
#include "app/landxml_import_command.h"
#include "app/picture_commands.h"
#include "app/point_trace_commands.h"
#include "app/route_commands.h"
#include "editor/win32/editor_font.h"
#include "menu/menu_commands.h"
#include "text/win32/window_text.h"

void RunMenuCommand(HWND owner, HWND editor, int id) {
    const MenuCommand* command = FindMenuCommand(id);
    if (command == nullptr) return;
    if (const CommandPrecondition* failed = FailedPrecondition(command->needs)) {
        ShowNotice(failed->notice);
        return;
    }
    switch (command->kind) {
    case CommandKind::File:
        RunFileCommand(id);
        break;
    case CommandKind::Edit:
        RunEditCommand(editor, id);
        break;
    case CommandKind::CalculationDialog:
        RunCalculationDialog(owner, editor, *command->calculator);
        if (command->needs == &RouteHasBeenRead) UpdatePictureWindows(); // a set-out on the line
        break;
    case CommandKind::PointBatch:
        TraceSelectedPoints(editor, *command->batch);
        break;
    case CommandKind::RouteElements:
        ReportRouteElements(editor);
        UpdatePictureWindows(); // another line, or none of its last results
        break;
    case CommandKind::RouteTrace:
        TracePointsOnStoredRoute(editor);
        UpdatePictureWindows();
        break;
    case CommandKind::RoutePicture:
        OpenRoutePicture(owner, id);
        break;
    case CommandKind::RouteProfile:
        ReportRouteProfile(editor);
        break;
    case CommandKind::LineImport:
        ImportLandXmlCommand(owner, editor);
        break;
    case CommandKind::Options:
        RunOptionsDialog(owner, editor);
        break;
    case CommandKind::EditorFont:
        ChooseEditorFont(owner, editor);
        break;
    case CommandKind::About:
        RunAboutDialog(owner);
        break;
    }
}
