#include "app/edit_commands.h"

#include "editor/win32/find_replace_dialogs.h"
#include "editor/win32/go_to_line_dialog.h"
#include "resource_ids.h"
#include "text/win32/window_text.h"

namespace {
void Undo(HWND edit) {
    if (SendMessageA(edit, EM_CANUNDO, 0, 0))
        SendMessageA(edit, WM_UNDO, 0, 0);
    else
        ShowMessage("Nothing to undo!", "Undo Notification", MB_OK);
}
} // namespace

void RunEditCommand(HWND edit, int command) {
    switch (command) {
    case CMD_EDIT_UNDO:
        Undo(edit);
        break;
    case CMD_EDIT_SELECT_ALL:
        // 0 to -1: the whole text, however long.
        SendMessageA(edit, EM_SETSEL, 0, -1);
        break;
    case CMD_EDIT_CUT:
        SendMessageA(edit, WM_CUT, 0, 0);
        break;
    case CMD_EDIT_COPY:
        SendMessageA(edit, WM_COPY, 0, 0);
        break;
    case CMD_EDIT_PASTE:
        SendMessageA(edit, WM_PASTE, 0, 0);
        break;
    case CMD_EDIT_FIND:
        OpenFindDialog(GetParent(edit), edit);
        break;
    case CMD_EDIT_FIND_NEXT:
    case CMD_EDIT_FIND_PREVIOUS:
        FindNextCommand(GetParent(edit), edit, command == CMD_EDIT_FIND_PREVIOUS);
        break;
    case CMD_EDIT_REPLACE:
        OpenReplaceDialog(GetParent(edit), edit);
        break;
    case CMD_EDIT_GO_TO:
        RunGoToLineDialog(GetParent(edit), edit);
        break;
    }
}
