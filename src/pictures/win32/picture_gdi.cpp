#include "pictures/win32/picture_gdi.h"

#include <algorithm>
#include <cmath>

#include "pictures/polyline_clip.h"

namespace {
constexpr double MmPerInch = 25.4;
constexpr double PointsPerInch = 72;
} // namespace

DeviceStyle ScreenStyle(HDC dc) {
    return {GetDeviceCaps(dc, LOGPIXELSX) / MmPerInch, 0.5};
}

DeviceStyle PaperStyle(HDC dc) {
    const double unitsPerMm = GetDeviceCaps(dc, LOGPIXELSX) / MmPerInch;
    return {unitsPerMm, 0.025 * unitsPerMm};
}

int Units(const DeviceStyle& style, double mm) {
    return std::max(1, static_cast<int>(std::lround(mm * style.unitsPerMm)));
}

POINT ToPoint(DevicePoint p) {
    return {static_cast<LONG>(std::lround(p.x)), static_cast<LONG>(std::lround(p.y))};
}

HFONT PictureFont(const DeviceStyle& style, double points, bool bold) {
    const int height = -Units(style, points * MmPerInch / PointsPerInch);
    return CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
}

HPEN PicturePen(const DeviceStyle& style, double mm, COLORREF colour, int penStyle) {
    // Dashes come only with a pen of one unit.
    return CreatePen(penStyle, penStyle == PS_SOLID ? Units(style, mm) : 1, colour);
}

SIZE TextSize(HDC dc, const std::string& text) {
    SIZE size{0, 0};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void WriteText(HDC dc, const LabelBox& box, const std::string& text) {
    TextOutA(dc, static_cast<int>(std::lround(box.left)), static_cast<int>(std::lround(box.top)), text.c_str(),
             static_cast<int>(text.size()));
}

LabelBox CentredBox(HDC dc, const std::string& text, double x, double y) {
    const SIZE size = TextSize(dc, text);
    return {x - size.cx / 2.0, y - size.cy / 2.0, x + size.cx / 2.0, y + size.cy / 2.0};
}

void FillArea(HDC dc, const DrawingArea& area, COLORREF colour) {
    const RECT rect{static_cast<LONG>(area.left), static_cast<LONG>(area.top),
                    static_cast<LONG>(area.left + area.width), static_cast<LONG>(area.top + area.height)};
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void DrawGroundPolyline(HDC dc, const GroundView& view, const DrawingArea& area,
                        const std::vector<GroundPoint>& line, const GroundExtent& clip) {
    std::vector<POINT> points;
    for (const std::vector<GroundPoint>& run : ClipPolyline(line, clip)) {
        points.clear();
        for (GroundPoint p : run)
            points.push_back(ToPoint(ToDevice(view, area, p)));
        Polyline(dc, points.data(), static_cast<int>(points.size()));
    }
}
