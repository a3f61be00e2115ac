#include "app/menu_command_runner.h"

#include "app/dialog_commands.h"
#include "app/document_commands.h"
#include "app/edit_commands.h"
#include "app/landxml_export_command.h"
#include "app/landxml_import_command.h"
#include "app/picture_commands.h"
#include "app/point_trace_commands.h"
#include "app/route_commands.h"
#include "editor/win32/editor_font.h"
#include "editor/win32/find_replace_dialogs.h"
#include "editor/win32/go_to_line_dialog.h"
#include "pictures/win32/picture_window.h"
#include "menu/menu_commands.h"
#include "text/win32/window_text.h"

void RunMenuCommand(HWND owner, HWND editor, int id, HWND source) {
    const MenuCommand* command = FindMenuCommand(id);
    if (command == nullptr) return;
    if (const CommandPrecondition* failed = FailedPrecondition(command->needs)) {
        ShowNotice(failed->notice);
        return;
    }
    switch (command->kind) {
    case CommandKind::FileNew:
        NewDocument();
        break;
    case CommandKind::FileOpen:
        OpenDocument();
        break;
    case CommandKind::FileSave:
        SaveDocument();
        break;
    case CommandKind::FileSaveAs:
        SaveDocumentAs();
        break;
    case CommandKind::FilePrint:
        PrintDocument();
        break;
    case CommandKind::FileExit:
        ExitProgram();
        break;
    case CommandKind::EditUndo:
        UndoInEditor(editor);
        break;
    case CommandKind::EditSelectAll:
        SendMessageA(editor, EM_SETSEL, 0, -1); // 0 to -1: the whole text, however long
        break;
    case CommandKind::EditCut:
        SendMessageA(editor, WM_CUT, 0, 0);
        break;
    case CommandKind::EditCopy:
        SendMessageA(editor, WM_COPY, 0, 0);
        break;
    case CommandKind::EditPaste:
        SendMessageA(editor, WM_PASTE, 0, 0);
        break;
    case CommandKind::EditFind:
        OpenFindDialog(GetParent(editor), editor);
        break;
    case CommandKind::EditFindNext:
    case CommandKind::EditFindPrevious:
        FindNextCommand(GetParent(editor), editor, command->kind == CommandKind::EditFindPrevious);
        break;
    case CommandKind::EditReplace:
        OpenReplaceDialog(GetParent(editor), editor);
        break;
    case CommandKind::EditGoTo:
        RunGoToLineDialog(GetParent(editor), editor);
        break;
    case CommandKind::CalculationDialog:
        RunCalculationDialog(owner, editor, *command->calculator);
        break;
    case CommandKind::PointBatch:
        TraceSelectedPoints(editor, *command->batch);
        break;
    case CommandKind::RouteElements:
        ReportRouteElements(editor);
        break;
    case CommandKind::RouteTrace:
        TracePointsOnStoredRoute(editor);
        break;
    case CommandKind::RoutePicture:
        OpenRoutePicture(owner, id);
        break;
    case CommandKind::RouteProfile:
        ReportRouteProfile(editor);
        break;
    case CommandKind::RouteExportPoints:
        ExportPointsOnLine(owner);
        break;
    case CommandKind::PicturePrint:
        if (source != nullptr) PrintPictureWindow(source);
        break;
    case CommandKind::PictureFit:
        if (source != nullptr) FitPictureWindow(source);
        break;
    case CommandKind::LineImport:
        ImportLandXmlCommand(owner, editor);
        break;
    case CommandKind::LineExport:
        ExportLandXmlCommand(owner);
        break;
    case CommandKind::HelpExample:
        ExampleDocument();
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
