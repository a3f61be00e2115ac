#include "editor/win32/print_page_drawing.h"

#include <algorithm>
#include <vector>

namespace {

// One line at a row: every character in a cell of its own.
bool DrawLine(HDC dc, const PageLayout& layout, int row, const std::string& line) {
    if (line.empty()) return true;
    const std::vector<INT> cells(line.size(), layout.cellWidth);
    return ExtTextOutA(dc, layout.frame.left, layout.frame.top + row * layout.lineHeight, 0, nullptr,
                       line.data(), static_cast<UINT>(line.size()), cells.data()) != FALSE;
}

} // namespace

PrintDevice DeviceOf(HDC dc) {
    PrintDevice device;
    device.dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    device.dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    device.sheetWidth = GetDeviceCaps(dc, PHYSICALWIDTH);
    device.sheetHeight = GetDeviceCaps(dc, PHYSICALHEIGHT);
    device.offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
    device.offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    device.printableWidth = GetDeviceCaps(dc, HORZRES);
    device.printableHeight = GetDeviceCaps(dc, VERTRES);
    // A device that reports no sheet (a display, a metafile) prints on its drawing area.
    if (device.sheetWidth <= 0) device.sheetWidth = device.printableWidth;
    if (device.sheetHeight <= 0) device.sheetHeight = device.printableHeight;
    return device;
}

PageLayout MakePageLayout(HDC dc) {
    PageLayout layout;
    const PrintDevice device = DeviceOf(dc);
    layout.frame = TextFrame(device);
    layout.font = CreateFontA(-MulDiv(PrintFontPoints, device.dpiY, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                              ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              FIXED_PITCH | FF_MODERN, PrintFontFace);
    if (layout.font == nullptr) return layout;
    const HGDIOBJ former = SelectObject(dc, layout.font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, former);
    // TMPF_FIXED_PITCH set means a variable pitch: then the widest character sets the
    // cell, so that none overlaps the next.
    const bool variable = (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) != 0;
    layout.cellWidth = std::max<int>(variable ? metrics.tmMaxCharWidth : metrics.tmAveCharWidth, 1);
    layout.lineHeight = std::max<int>(metrics.tmHeight + metrics.tmExternalLeading, 1);
    layout.grid = TextGrid(layout.frame, layout.cellWidth, layout.lineHeight);
    return layout;
}

void ReleasePageLayout(PageLayout& layout) {
    if (layout.font != nullptr) DeleteObject(layout.font);
    layout.font = nullptr;
}

bool DrawPrintedPage(HDC dc, const PageLayout& layout, const std::string& header, const PrintedPage& lines) {
    const HGDIOBJ former = SelectObject(dc, layout.font);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    bool drawn = DrawLine(dc, layout, 0, header);
    for (std::size_t row = 0; row < lines.size() && drawn; ++row)
        drawn = DrawLine(dc, layout, static_cast<int>(row) + 2, lines[row]);
    SelectObject(dc, former);
    return drawn;
}
