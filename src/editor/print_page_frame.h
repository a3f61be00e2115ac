// Where the text goes on a printed page: the margins within the printable area the
// device reports, and how many columns and lines of the fixed-pitch font fit there.
// Device units throughout (the printer's pixels), so the same numbers drive the
// drawing.
#pragma once

inline constexpr double PrintMarginMillimetres = 20.0;

// What a printer device reports (GetDeviceCaps): pixels per inch, the whole sheet,
// the offset of the printable area from the sheet's corner, and the printable area.
struct PrintDevice {
    int dpiX = 0, dpiY = 0;
    int sheetWidth = 0, sheetHeight = 0;         // PHYSICALWIDTH, PHYSICALHEIGHT
    int offsetX = 0, offsetY = 0;                // PHYSICALOFFSETX, PHYSICALOFFSETY
    int printableWidth = 0, printableHeight = 0; // HORZRES, VERTRES
};

// The text rectangle in the printable area's coordinates (the device context's
// origin): the sheet less the margins on every side, never beyond the printable area.
struct PageFrame {
    int left = 0, top = 0, right = 0, bottom = 0;
};
PageFrame TextFrame(const PrintDevice& device, double marginMillimetres = PrintMarginMillimetres);

// The character grid in the frame: columns of cellWidth, lines of lineHeight; the
// first two lines of a page are the header and an empty line, the rest the body.
// Each count is at least 1.
struct PageGrid {
    int columns = 1;
    int bodyLines = 1;
};
PageGrid TextGrid(const PageFrame& frame, int cellWidth, int lineHeight);
