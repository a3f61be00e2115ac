// The window of a picture of the line: resizable, owned by the main window, one at a
// time for each picture. Its menu bar: Print (Ctrl+P) and Fit (Home). The mouse wheel
// zooms about the pointer, dragging pans, the arrow keys pan, + and - zoom, Esc or
// the close box closes it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "pictures/win32/picture.h"

// Shows the picture's window, made for it when none is open (the one open is brought
// to the front and brought up to date). documentPath names the book on a printed page.
void OpenPictureWindow(HWND owner, HWND& window, std::unique_ptr<Picture> (*make)(),
                       const std::string* documentPath);
// Print (on one page through the Print dialog) and Fit of a picture's window, run
// through the table of commands.
void PrintPictureWindow(HWND window);
void FitPictureWindow(HWND window);
// Brings an open window up to date with the line and the results (anotherLine: a
// line was read since); none does nothing.
void UpdatePictureWindow(HWND window, bool anotherLine);
