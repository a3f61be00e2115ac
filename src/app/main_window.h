// The main window and its one child, the text field that holds the field book.
#pragma once

#include <windows.h>

extern HWND MainWindow;
extern HWND EditorControl;

// The main window's procedure: keeps the text field filling the window, runs the
// menu commands and opens the dialogs.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
