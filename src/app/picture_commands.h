// Quarel > Line > Plan of the line and Offsets along the line: their windows, owned
// by the main window, and keeping them up to date after every Line command.
#pragma once

#include <windows.h>

// 1 when the command was one of the two (shown, or its notice given), else 0.
int RunPictureCommand(HWND owner, int command);
// Both windows, where open, take up the line and the last results.
void UpdatePictureWindows();
