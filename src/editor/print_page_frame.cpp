#include "editor/print_page_frame.h"

#include <algorithm>
#include <cmath>

namespace {
int MillimetresToPixels(double millimetres, int dpi) {
    return static_cast<int>(std::lround(millimetres * dpi / 25.4));
}
} // namespace

PageFrame TextFrame(const PrintDevice& device, double marginMillimetres) {
    const int marginX = MillimetresToPixels(marginMillimetres, device.dpiX);
    const int marginY = MillimetresToPixels(marginMillimetres, device.dpiY);
    PageFrame frame;
    frame.left = std::max(marginX - device.offsetX, 0);
    frame.top = std::max(marginY - device.offsetY, 0);
    frame.right = std::min(device.sheetWidth - marginX - device.offsetX, device.printableWidth);
    frame.bottom = std::min(device.sheetHeight - marginY - device.offsetY, device.printableHeight);
    frame.right = std::max(frame.right, frame.left);
    frame.bottom = std::max(frame.bottom, frame.top);
    return frame;
}

PageGrid TextGrid(const PageFrame& frame, int cellWidth, int lineHeight) {
    PageGrid grid;
    if (cellWidth > 0) grid.columns = std::max((frame.right - frame.left) / cellWidth, 1);
    if (lineHeight > 0) grid.bodyLines = std::max((frame.bottom - frame.top) / lineHeight - 2, 1);
    return grid;
}
