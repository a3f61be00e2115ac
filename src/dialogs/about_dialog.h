// The About dialog (template 500).
#pragma once

#include <windows.h>

// Centres itself; OK, Enter and the close box end it. Esc does not: the dialog
// has no Cancel. Answers 0 to every message.
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
