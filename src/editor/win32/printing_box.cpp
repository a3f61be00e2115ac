#include "editor/win32/printing_box.h"

#include <string>

#include "resource_ids.h"
#include "text/win32/window_text.h"

namespace {

// Global, for one job at a time: its box and whether Cancel was pressed.
HWND Box = nullptr;
bool Cancelled = false;

INT_PTR CALLBACK PrintingBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CenterOnWorkArea(box);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            Cancelled = true;
            EnableWindow(GetDlgItem(box, IDCANCEL), FALSE);
        }
        return TRUE;
    }
    return FALSE;
}

// Handles the messages waiting for this thread, the box's through IsDialogMessage.
void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (Box != nullptr && IsDialogMessageA(Box, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

BOOL CALLBACK PrintAbortProc(HDC, int) {
    PumpMessages();
    return Cancelled ? FALSE : TRUE;
}

} // namespace

HWND ShowPrintingBox(HWND owner, HDC printer) {
    Cancelled = false;
    Box = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PRINTING), owner, PrintingBoxProc, 0);
    if (Box == nullptr) return nullptr;
    EnableWindow(owner, FALSE);
    SetAbortProc(printer, PrintAbortProc);
    return Box;
}

void ShowPrintingPage(HWND box, int page, int pages) {
    const std::string text = "Printing page " + std::to_string(page) + " of " + std::to_string(pages);
    SetDlgItemTextA(box, IDC_PRINTING_PAGE, text.c_str());
    PumpMessages();
}

bool PrintingCancelled() {
    return Cancelled;
}

void ClosePrintingBox(HWND box) {
    if (box == nullptr) return;
    // The owner first, so that the activation returns to it.
    EnableWindow(GetWindow(box, GW_OWNER), TRUE);
    DestroyWindow(box);
    if (box == Box) Box = nullptr;
}
