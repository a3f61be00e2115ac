#include "pictures/route_marks.h"

#include <algorithm>
#include <cmath>

#include "numeric/arithmetic.h"
#include "pictures/round_numbers.h"
#include "pictures/track_sampling.h"

namespace {
GroundPoint Of(const MainPoint& p) {
    return {p.Y, p.X};
}

// Half the picket distance over which a tick's direction is taken.
constexpr double DirectionReach = 0.05;
} // namespace

std::vector<PlanMark> RouteMarks(const Route& line) {
    std::vector<PlanMark> marks;
    marks.reserve(2 + 6 * line.curves.size());
    marks.push_back({MarkKind::End, "START", Of(line.start)});
    for (const RouteCurve& c : line.curves) {
        marks.push_back({MarkKind::Ip, c.name, Of(c.IP)});
        const std::pair<const char*, const MainPoint*> mainPoints[] = {
            {"NSK1", &c.NSK1}, {"KSK1", &c.KSK1}, {"SK", &c.SK}, {"KSK2", &c.KSK2}, {"NSK2", &c.NSK2}};
        for (const auto& [name, point] : mainPoints)
            marks.push_back({MarkKind::MainPoint, name, Of(*point)});
    }
    marks.push_back({MarkKind::End, "END", Of(line.end)});
    return marks;
}

std::vector<GroundPoint> TangentPolygon(const Route& line) {
    std::vector<GroundPoint> polygon{Of(line.start)};
    for (const RouteCurve& c : line.curves)
        polygon.push_back(Of(c.IP));
    polygon.push_back(Of(line.end));
    return polygon;
}

std::vector<PicketTick> PicketTicks(const Route& line) {
    std::vector<PicketTick> ticks;
    double step = PicketTickStep;
    while ((line.end.PK - line.start.PK) / step > static_cast<double>(MostPicketTicks))
        step *= 10;
    for (double PK : GridValues(line.start.PK, line.end.PK, step)) {
        const GroundPoint back = RoutePointAtPicket(line, std::max(PK - DirectionReach, line.start.PK));
        const GroundPoint ahead = RoutePointAtPicket(line, std::min(PK + DirectionReach, line.end.PK));
        const double length = PlaneDistance(ahead.Y - back.Y, ahead.X - back.X);
        ticks.push_back({PK, GridValueText(PK, step), RoutePointAtPicket(line, PK), (ahead.Y - back.Y) / length,
                         (ahead.X - back.X) / length});
    }
    return ticks;
}

GroundExtent RouteExtent(const Route& line) {
    GroundExtent extent;
    for (GroundPoint p : TangentPolygon(line))
        extent.Include(p);
    return extent;
}
