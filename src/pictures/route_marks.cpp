#include "pictures/route_marks.h"

#include <algorithm>
#include <cmath>

#include "numeric/arithmetic.h"
#include "pictures/round_numbers.h"
#include "pictures/track_sampling.h"

namespace {
GroundPoint Of(const PlanePoint& p) {
    return {p.Y, p.X};
}

// Half the station distance over which a tick's direction is taken.
constexpr double DirectionReach = 0.05;

// The tolerance of the coarse track whose box is the extent of an element table's line.
constexpr double ExtentTolerance = 0.01;
} // namespace

std::vector<PlanMark> RouteMarks(const Alignment& line) {
    std::vector<PlanMark> marks;
    marks.reserve(line.marks.size());
    for (const AlignmentMark& m : line.marks)
        marks.push_back({m.kind, m.label, Of(m.at)});
    return marks;
}

std::vector<GroundPoint> TangentPolygon(const Alignment& line) {
    std::vector<GroundPoint> polygon;
    for (const PlanePoint& p : line.tangentPolygon)
        polygon.push_back(Of(p));
    return polygon;
}

std::vector<PicketTick> PicketTicks(const Alignment& line) {
    std::vector<PicketTick> ticks;
    double step = PicketTickStep;
    while ((line.end.PK - line.start.PK) / step > static_cast<double>(MostPicketTicks))
        step *= 10;
    for (double PK : GridValues(line.start.PK, line.end.PK, step)) {
        const std::optional<PlanePoint> at = PointAtStation(line, PK);
        if (!at) continue;
        const GroundPoint back = RoutePointAtPicket(line, std::max(PK - DirectionReach, line.start.PK));
        const GroundPoint ahead = RoutePointAtPicket(line, std::min(PK + DirectionReach, line.end.PK));
        const double length = PlaneDistance(ahead.Y - back.Y, ahead.X - back.X);
        ticks.push_back({PK, GridValueText(PK, step), Of(*at), (ahead.Y - back.Y) / length,
                         (ahead.X - back.X) / length});
    }
    return ticks;
}

GroundExtent RouteExtent(const Alignment& line) {
    GroundExtent extent;
    for (GroundPoint p : TangentPolygon(line))
        extent.Include(p);
    if (!line.tangentPolygon.empty()) return extent;
    for (const TrackPiece& piece : SampleRoute(line, ExtentTolerance))
        for (GroundPoint p : piece.points)
            extent.Include(p);
    return extent;
}
