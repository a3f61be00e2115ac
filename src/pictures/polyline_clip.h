// A polyline cut to a rectangle of the ground: the runs of it that lie inside, so
// that a drawing zoomed far in never hands the device coordinates beyond its range.
#pragma once

#include <vector>

#include "pictures/ground_view.h"

// The parts of the polyline inside the extent, each a polyline of its own.
std::vector<std::vector<GroundPoint>> ClipPolyline(const std::vector<GroundPoint>& line, const GroundExtent& box);
// The extent grown by `margin` on every side.
GroundExtent Grown(const GroundExtent& extent, double margin);
