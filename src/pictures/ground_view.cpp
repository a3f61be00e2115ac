#include "pictures/ground_view.h"

#include <algorithm>

void GroundExtent::Include(GroundPoint p) {
    if (empty) {
        minY = maxY = p.Y, minX = maxX = p.X;
        empty = false;
        return;
    }
    minY = std::min(minY, p.Y), maxY = std::max(maxY, p.Y);
    minX = std::min(minX, p.X), maxX = std::max(maxX, p.X);
}

DevicePoint ToDevice(const GroundView& view, const DrawingArea& area, GroundPoint p) {
    return {area.left + area.width / 2 + (p.Y - view.Yc) * view.unitsPerMetre,
            area.top + area.height / 2 - (p.X - view.Xc) * view.unitsPerMetre};
}

GroundPoint ToGround(const GroundView& view, const DrawingArea& area, DevicePoint p) {
    return {view.Yc + (p.x - area.left - area.width / 2) / view.unitsPerMetre,
            view.Xc - (p.y - area.top - area.height / 2) / view.unitsPerMetre};
}

GroundExtent VisibleGround(const GroundView& view, const DrawingArea& area) {
    GroundExtent extent;
    extent.Include(ToGround(view, area, {area.left, area.top}));
    extent.Include(ToGround(view, area, {area.left + area.width, area.top + area.height}));
    return extent;
}

GroundView FitView(const GroundExtent& extent, const DrawingArea& area) {
    if (extent.empty) return {};
    GroundView view{(extent.minY + extent.maxY) / 2, (extent.minX + extent.maxX) / 2, 1};
    const double free = 1 - 2 * FitMargin;
    const double across = extent.Width() > 0 ? area.width * free / extent.Width() : GreatestUnitsPerMetre;
    const double up = extent.Height() > 0 ? area.height * free / extent.Height() : GreatestUnitsPerMetre;
    const double fit = std::min(across, up);
    if (fit < GreatestUnitsPerMetre) view.unitsPerMetre = std::max(fit, LeastUnitsPerMetre);
    return view;
}

GroundView ZoomAbout(const GroundView& view, const DrawingArea& area, DevicePoint about, double factor) {
    const GroundPoint held = ToGround(view, area, about);
    GroundView zoomed = view;
    zoomed.unitsPerMetre = std::clamp(view.unitsPerMetre * factor, LeastUnitsPerMetre, GreatestUnitsPerMetre);
    // Move the centre so that `held` maps to `about` again.
    const DevicePoint now = ToDevice(zoomed, area, held);
    return PanBy(zoomed, about.x - now.x, about.y - now.y);
}

GroundView PanBy(const GroundView& view, double dx, double dy) {
    GroundView moved = view;
    moved.Yc -= dx / view.unitsPerMetre;
    moved.Xc += dy / view.unitsPerMetre;
    return moved;
}
