// A picture of the line printed on one page through the program's Print dialog: its
// title, the book's name and the picture's note (the plan's "1:N") above the drawing,
// which shows what the window shows.
#pragma once

#include <windows.h>

#include <string>

#include "pictures/win32/picture.h"

// 1 when the page was printed, else 0 (no printer, cancelled, failed).
int PrintPicture(HWND owner, Picture& picture, const DrawingArea& screen, const std::string& documentPath);
// The page's header and drawing on a device (the printer's page, or any device
// context of the same kind).
void DrawPicturePage(HDC dc, Picture& picture, const DrawingArea& screen, const std::string& documentPath);
