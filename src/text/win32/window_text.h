// Window-text operations used by the editor and the dialogs, message boxes, and
// the two file-system questions the file commands ask.
#pragma once

#include <windows.h>

// The whole text of a window (however long), as a temporary-ring string.
char* ReadWindowText(HWND window);

// Sets a window's text; the result of SetWindowTextA.
BOOL WriteWindowText(HWND window, const char* text);

// Puts text at the very end of an edit control, whatever its caret or selection,
// leaves the caret after it and gives the control the focus. Not undoable; the
// control reports the change to its parent (EN_CHANGE).
LRESULT AppendToEditor(HWND edit, const char* text);

// Places a window in the middle of the desktop work area and on top of the z-order.
BOOL CenterOnWorkArea(HWND window);

// Message box owned by the active window; returns the button pressed.
int ShowMessage(const char* text, const char* caption, UINT type);

// Information box with the caption "Notice".
int ShowNotice(const char* text);

// 1 when the path names an existing file or folder; with * or ? in it, when any
// entry matches. 0 for any failure.
int FileExists(const char* path);

// The process's current directory, as a temporary-ring string.
char* CurrentDirectory();
