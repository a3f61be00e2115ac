// Drawing printed pages on a device context: the fixed-pitch font, the grid of
// character cells it gives on the device, and one page (header, an empty line, the
// page's lines) drawn cell by cell, so that every column lines up and no character
// reaches past the frame.
#pragma once

#include <windows.h>

#include <string>

#include "editor/print_page_frame.h"
#include "editor/print_pagination.h"

inline constexpr int PrintFontPoints = 10;
inline constexpr const char* PrintFontFace = "Courier New";

// The layout of every page on one device: the font (owned: DeleteObject it with
// ReleasePageLayout), the frame, the cell size and the grid.
struct PageLayout {
    HFONT font = nullptr;
    PageFrame frame;
    int cellWidth = 1;
    int lineHeight = 1;
    PageGrid grid;
};

// What the device reports about its sheet (GetDeviceCaps).
PrintDevice DeviceOf(HDC dc);
// Makes the font for the device and measures its cells; nullptr font when the
// device gives none.
PageLayout MakePageLayout(HDC dc);
void ReleasePageLayout(PageLayout& layout);

// Draws the header line and the page's lines, each at its row of the grid, one
// character a cell. False when a drawing call fails.
bool DrawPrintedPage(HDC dc, const PageLayout& layout, const std::string& header, const PrintedPage& lines);
