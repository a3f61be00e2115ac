#include "dialogs/options_dialog.h"

#include <string>

#include "numeric/precision_options.h"
#include "numeric/precision_settings.h"
#include "resource_ids.h"
#include "text/number_text.h"
#include "text/win32/window_text.h"

namespace {
// The fields show the settings in force, as FormatNumber writes them (" 4").
void ShowSettings(HWND dialog) {
    WriteWindowText(GetDlgItem(dialog, IDC_LINEARS), FormatNumber(LinearDecimals));
    WriteWindowText(GetDlgItem(dialog, IDC_ANGLES), FormatNumber(AngleDecimals));
}

void OnApply(HWND dialog) {
    std::string notes = ApplyPrecisionOptions(ReadWindowText(GetDlgItem(dialog, IDC_LINEARS)),
                                              ReadWindowText(GetDlgItem(dialog, IDC_ANGLES)));
    // Appended even when empty: the caret then moves to the end of the text.
    AppendToEditor(reinterpret_cast<HWND>(GetWindowLongPtrA(dialog, DWLP_USER)), notes.c_str());
    ShowSettings(dialog);
}
} // namespace

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam); // the text field the notes go to
        ShowSettings(dialog);
        CenterOnWorkArea(dialog);
        break;
    case WM_COMMAND:
        if (wParam == IDOK)
            OnApply(dialog);
        else if (wParam == IDCANCEL)
            EndDialog(dialog, 0);
        break;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        break;
    }
    return FALSE;
}
