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

TextMeasure::TextMeasure(HDC dc) {
    if (!GetCharWidth32A(dc, 0, 255, widths_))
        for (int& w : widths_) w = 0;
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    height_ = metrics.tmHeight;
}

double TextMeasure::Width(const std::string& text) const {
    double width = 0;
    for (unsigned char c : text)
        width += widths_[c];
    return width;
}

bool ShapeBatch::AlreadyAt(POINT at) {
    const unsigned long long key = (static_cast<unsigned long long>(static_cast<unsigned>(at.x)) << 32) |
                                   static_cast<unsigned>(at.y);
    return !markersAt_.insert(key).second;
}

void ShapeBatch::Add(std::initializer_list<POINT> shape) {
    points_.insert(points_.end(), shape.begin(), shape.end());
    counts_.push_back(static_cast<INT>(shape.size()));
}

void ShapeBatch::Add(const std::vector<POINT>& shape) {
    points_.insert(points_.end(), shape.begin(), shape.end());
    counts_.push_back(static_cast<INT>(shape.size()));
}

// One Polygon call a shape: Wine's PolyPolygon of thousands of small shapes costs
// far more than as many Polygon calls.
void ShapeBatch::AddRun(std::size_t count, const std::function<POINT(std::size_t)>& point) {
    if (count == 0) return;
    const POINT first = point(0);
    // A run that starts where the last one ended goes on from it.
    const bool joined = !counts_.empty() && points_.back().x == first.x && points_.back().y == first.y;
    if (!joined) points_.push_back(first), counts_.push_back(1);
    for (std::size_t i = 1; i < count; ++i) {
        const POINT p = point(i);
        if (p.x == points_.back().x && p.y == points_.back().y) continue;
        points_.push_back(p);
        ++counts_.back();
    }
}

void ShapeBatch::DrawPolygons(HDC dc) const {
    const POINT* shape = points_.data();
    for (INT count : counts_) {
        Polygon(dc, shape, count);
        shape += count;
    }
}

void ShapeBatch::DrawPolylines(HDC dc) const {
    // A run that came down to one device point is drawn as a point.
    const POINT* run = points_.data();
    for (INT count : counts_) {
        if (count == 1) {
            const POINT twice[] = {run[0], {run[0].x + 1, run[0].y}};
            Polyline(dc, twice, 2);
        } else {
            Polyline(dc, run, count);
        }
        run += count;
    }
}

void AddGroundPolyline(ShapeBatch& batch, const GroundView& view, const DrawingArea& area,
                       const std::vector<GroundPoint>& line, const GroundExtent& clip) {
    for (const std::vector<GroundPoint>& run : ClipPolyline(line, clip))
        batch.AddRun(run.size(), [&](std::size_t i) { return ToPoint(ToDevice(view, area, run[i])); });
}
