// Start-up helpers: the single-instance test and the first placing of the window.
#pragma once

#include <windows.h>

// When a window of `className` already exists, draws the user's attention to it
// (flashing it until the user activates it if it is minimised) and brings forward
// its topmost window (the message box or dialog it has open, else the window
// itself); returns 1: this process must then end. 0 when there is none.
// While one start flashes the window, the mutex className + "_EnFI" keeps a
// further start from flashing it as well.
int ActivatePreviousInstance(const char* className);

// Puts the window at the top left of the screen, full screen width, screen height
// less one caption and 5 pixels.
void FitMainWindowToScreen(HWND window);
