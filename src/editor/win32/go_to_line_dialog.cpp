#include "editor/win32/go_to_line_dialog.h"

#include <string>
#include <windowsx.h>

#include "editor/line_number.h"
#include "editor/win32/editor_selection.h"
#include "resource_ids.h"
#include "text/win32/window_text.h"

namespace {

// The text field the dialog works on, given at its opening.
HWND EditOf(HWND dialog) {
    return reinterpret_cast<HWND>(GetWindowLongPtrA(dialog, DWLP_USER));
}

BOOL OnInitDialog(HWND dialog, HWND, LPARAM edit) {
    SetWindowLongPtrA(dialog, DWLP_USER, edit);
    const LRESULT caretLine = SendMessageA(reinterpret_cast<HWND>(edit), EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0);
    SetDlgItemTextA(dialog, IDC_LINE_NUMBER, std::to_string(caretLine + 1).c_str());
    SendDlgItemMessageA(dialog, IDC_LINE_NUMBER, EM_SETSEL, 0, -1);
    CenterOnWorkArea(dialog);
    return TRUE; // the focus goes to the line number
}

void OnOk(HWND dialog) {
    HWND edit = EditOf(dialog);
    const int lines = static_cast<int>(SendMessageA(edit, EM_GETLINECOUNT, 0, 0));
    const std::string typed = ReadWindowText(GetDlgItem(dialog, IDC_LINE_NUMBER));
    const int line = ParseLineNumber(typed, lines);
    if (line == 0) {
        ShowMessage(NoSuchLineText(typed, lines).c_str(), GoToCaption, MB_OK | MB_ICONINFORMATION);
        SetFocus(GetDlgItem(dialog, IDC_LINE_NUMBER));
        SendDlgItemMessageA(dialog, IDC_LINE_NUMBER, EM_SETSEL, 0, -1);
        return;
    }
    const LRESULT start = SendMessageA(edit, EM_LINEINDEX, static_cast<WPARAM>(line - 1), 0);
    EndDialog(dialog, 1);
    SelectAndShow(edit, static_cast<std::size_t>(start), static_cast<std::size_t>(start));
}

void OnCommand(HWND dialog, int id, HWND, UINT) {
    if (id == IDOK) OnOk(dialog);
    if (id == IDCANCEL) EndDialog(dialog, 0);
}

INT_PTR CALLBACK GoToLineDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(dialog, wParam, lParam, OnInitDialog);
    case WM_COMMAND:
        HANDLE_WM_COMMAND(dialog, wParam, lParam, OnCommand);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int RunGoToLineDialog(HWND owner, HWND edit) {
    const INT_PTR moved = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_GO_TO_LINE), owner,
                                          GoToLineDialogProc, reinterpret_cast<LPARAM>(edit));
    if (moved == 1) SetFocus(edit);
    return moved == 1 ? 1 : 0;
}
