#include "dialogs/about_dialog.h"

#include "text/win32/window_text.h"

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CenterOnWorkArea(dialog);
        break;
    case WM_COMMAND:
        if (wParam == IDOK) EndDialog(dialog, 0);
        break;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        break;
    }
    return FALSE;
}
