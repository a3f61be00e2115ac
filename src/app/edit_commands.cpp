#include "app/edit_commands.h"

#include "text/win32/window_text.h"

void UndoInEditor(HWND edit) {
    if (SendMessageA(edit, EM_CANUNDO, 0, 0))
        SendMessageA(edit, WM_UNDO, 0, 0);
    else
        ShowMessage("Nothing to undo!", "Undo Notification", MB_OK);
}
