#include "route/route_point_trace.h"

#include "elements/point_table.h"
#include "numeric/arithmetic.h"
#include "numeric/report_numbers.h"
#include "route/route_heights.h"
#include "route/route_layout.h"
#include "route/route_results.h"

namespace {
struct TracedPoint {
    std::size_t element;
    double PK, d; // d turned to the route's sense
    // |d| as the report writes it: offsets that read the same are a tie.
    double absD;
};

// The point traced by the element's own trace; false when that trace finds it off
// its element.
bool TraceOnElement(const RouteLayout& layout, std::size_t element, double Y, double X, TracedPoint& traced) {
    double PK = 0, d = 0;
    const RouteElement& e = layout.Elements()[element];
    if (!layout.TraceOn(e, Y, X, PK, d)) return false;
    traced.element = element;
    traced.PK = PK;
    traced.absD = AbsValue(LinearTextValue(d));
    // The circle's offset counts outward from the centre; an offset that reads as
    // zero stays a plain zero when it is turned round.
    if (e.kind == RouteElementKind::Circle && layout.Track().curves[e.curve].sigma > 0)
        d = traced.absD == 0 ? 0 : -d;
    traced.d = d;
    return true;
}
} // namespace

std::string TracePointsOnRoute(const Route& line, std::span<const TextLine> lines,
                               const VerticalProfile* profile) {
    const RouteLayout layout(line);
    const RouteHeights heights(line, profile);
    int compared = 0;
    // The end of the summary line with a profile: ", 3 levels compared".
    const auto levelsCompared = [&] {
        if (profile == nullptr) return std::string();
        return ", " + std::to_string(compared) + (compared == 1 ? " level" : " levels") + " compared";
    };
    std::string report = "\r\nTrace of points on the line\r\n";
    StartRouteTrace();
    report += PointTable(
        lines,
        [&](const PointLine& point, std::string& out) {
            bool found = false;
            TracedPoint best{}, candidate{};
            for (std::size_t i = 0; i < layout.Elements().size(); ++i) {
                if (!layout.StretchHolds(i, point.y, point.x)) continue;
                if (!TraceOnElement(layout, i, point.y, point.x, candidate)) continue;
                if (!found || candidate.absD < best.absD) best = candidate;
                found = true;
            }
            out += point.name;
            if (!found || layout.OffsetBeyondEnds(point.y, point.x) < best.absD) {
                out += "   !Point outside of the line!";
                return false;
            }
            out += "   PK=" + LinearText(best.PK) + "   d=" + LinearText(best.d);
            std::optional<double> dH;
            if (heights.Shown()) {
                out += heights.TracedText(best.PK, point.level, dH);
                compared += dH ? 1 : 0;
            }
            out += "   " + RouteElementName(line, layout.Elements()[best.element]);
            KeepTracedRoutePoint({point.name, point.y, point.x, best.PK, best.d,
                                  RouteElementName(line, layout.Elements()[best.element]), dH});
            return true;
        },
        levelsCompared);
    return report;
}
