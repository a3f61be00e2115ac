// Finding and reading the windows of another process. Texts are read with
// WM_GETTEXT, which the system carries across processes (GetWindowTextA does not ask
// a control of another process for its text).
#pragma once

#include <string>
#include <vector>

#include <windows.h>

// The window's text, or "" when it does not answer within a few seconds.
std::string WindowText(HWND window);
std::string WindowClass(HWND window);
// Visible top-level windows (owned ones included) of the process.
std::vector<HWND> VisibleTopWindows(DWORD processId);
// The first visible top-level window of the process with this caption and class
// (class nullptr: any class); nullptr when there is none.
HWND FindTopWindow(DWORD processId, const std::string& caption, const char* windowClass = nullptr);
// Dialog boxes and message boxes (class "#32770") of the process now on screen.
std::vector<HWND> OpenDialogs(DWORD processId);
// Sends a message and waits for its answer at most `limitMs`; fails the scenario when
// the program does not answer (a hang).
LRESULT SendOrFail(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what,
                   DWORD limitMs = 20000);
// Sets a control's text with WM_SETTEXT and fails when the control does not take it.
void SetText(HWND control, const std::string& text);
