// The mapping from the ground to a drawing surface (a window's client area or a
// printed page), kept in this one place: one scale for both axes, X (north) up and
// Y (east) right, a view given by the ground point at the drawing area's centre and
// the device units per metre.
#pragma once

struct GroundPoint {
    double Y, X;
};

struct DevicePoint {
    double x, y;
};

// A rectangle of the device, in its units (pixels or printer dots), y downward.
struct DrawingArea {
    double left, top, width, height;
};

// The ground's bounding box; empty until a point is included.
struct GroundExtent {
    double minY = 0, maxY = 0, minX = 0, maxX = 0;
    bool empty = true;

    void Include(GroundPoint p);
    double Width() const { return maxY - minY; }
    double Height() const { return maxX - minX; }
};

struct GroundView {
    double Yc = 0, Xc = 0;          // the ground at the drawing area's centre
    double unitsPerMetre = 1;       // device units per metre of ground
};

// The least and greatest scales a view may be zoomed to, in device units per metre.
constexpr double LeastUnitsPerMetre = 1e-6;
constexpr double GreatestUnitsPerMetre = 1e5;

DevicePoint ToDevice(const GroundView& view, const DrawingArea& area, GroundPoint p);
GroundPoint ToGround(const GroundView& view, const DrawingArea& area, DevicePoint p);
// The ground the area shows.
GroundExtent VisibleGround(const GroundView& view, const DrawingArea& area);

// The fraction of the area's width and height left free on each side of a fitted
// extent, so that markers and labels at its edge stay inside.
constexpr double FitMargin = 0.08;
// The view that shows the whole extent as large as it fits within the margins,
// centred; an extent of one point (or none) is shown at one unit per metre.
GroundView FitView(const GroundExtent& extent, const DrawingArea& area);
// The view zoomed by factor (above 1 enlarges) about a device point, which keeps
// showing the same ground; the scale stays within its least and greatest.
GroundView ZoomAbout(const GroundView& view, const DrawingArea& area, DevicePoint about, double factor);
// The view moved so that the drawing follows the pointer by (dx, dy) device units.
GroundView PanBy(const GroundView& view, double dx, double dy);
