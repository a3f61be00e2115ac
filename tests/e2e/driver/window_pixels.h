// The pixels a window of the program shows, read from the screen into a bitmap of
// the driver's own (the screen's DC and BitBlt), so that a test sees what the user
// sees: the window must be uncovered.
#pragma once

#include <windows.h>

#include <vector>

struct WindowPixels {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels; // row by row from the top

    COLORREF At(int x, int y) const;
    // Whether a pixel within `reach` of (x, y) has the colour.
    bool Near(int x, int y, COLORREF colour, int reach) const;
};

// The window's client area as it is on screen.
WindowPixels ReadClientPixels(HWND window);
