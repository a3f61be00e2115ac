// Quarel > Line > Plan of the line and Offsets along the line: their windows, owned
// by the main window, and keeping them up to date after every Line command.
#pragma once

#include <windows.h>

// Opens the plan of the line (CMD_LINE_PLAN) or the offsets along it, or brings the
// open one forward; the command table has checked that a line was read (and traced).
void OpenRoutePicture(HWND owner, int command);
// Both windows, where open, take up the line and the last results.
void UpdatePictureWindows(bool anotherLine);
