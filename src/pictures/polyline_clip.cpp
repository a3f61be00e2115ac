#include "pictures/polyline_clip.h"

#include <algorithm>

namespace {
// Liang and Barsky's clip of the segment a-b: the parameters [t0, t1] of the part
// inside, false when none is.
bool ClipSegment(GroundPoint a, GroundPoint b, const GroundExtent& box, double& t0, double& t1) {
    t0 = 0, t1 = 1;
    const double dY = b.Y - a.Y, dX = b.X - a.X;
    const double p[] = {-dY, dY, -dX, dX};
    const double q[] = {a.Y - box.minY, box.maxY - a.Y, a.X - box.minX, box.maxX - a.X};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

GroundPoint Along(GroundPoint a, GroundPoint b, double t) {
    if (t == 0) return a;
    if (t == 1) return b;
    return {a.Y + (b.Y - a.Y) * t, a.X + (b.X - a.X) * t};
}
} // namespace

std::vector<std::vector<GroundPoint>> ClipPolyline(const std::vector<GroundPoint>& line, const GroundExtent& box) {
    std::vector<std::vector<GroundPoint>> runs;
    bool open = false; // whether the last run ends at the current point
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        double t0, t1;
        if (!ClipSegment(line[i], line[i + 1], box, t0, t1)) {
            open = false;
            continue;
        }
        if (!open || t0 > 0) runs.push_back({Along(line[i], line[i + 1], t0)});
        runs.back().push_back(Along(line[i], line[i + 1], t1));
        open = t1 == 1;
    }
    return runs;
}

GroundExtent Grown(const GroundExtent& extent, double margin) {
    GroundExtent grown = extent;
    grown.minY -= margin, grown.maxY += margin, grown.minX -= margin, grown.maxX += margin;
    return grown;
}
