#include "route/route_point_trace.h"

#include "calculator/calculator.h"
#include "elements/point_table.h"
#include "numeric/arithmetic.h"
#include "resource_ids.h"
#include "route/route_heights.h"
#include "route/route_layout.h"
#include "text/number_text.h"

namespace {
struct TracedPoint {
    std::size_t element;
    std::string PK, d; // as the element's calculator writes them, d turned to the line's sense
    double absD;
};

// The point traced by the element's calculator with the element's fields; false
// when the calculator finds it off its element.
bool TraceOnElement(const RouteLayout& layout, std::size_t element, double Y, double X, TracedPoint& traced) {
    const RouteElement& e = layout.Elements()[element];
    CalculationStore store;
    PutElementFields(layout.Track(), e, store);
    store[StoredValue::Y_pz] = Y, store[StoredValue::X_pz] = X;
    const CalculationOutput out = ElementTraceCalculator(e.kind).compute(store);
    if (out.pointNotTraced != nullptr) return false;
    traced.element = element;
    traced.PK = out.ResultField(IDC_PK_PZ);
    traced.d = out.ResultField(IDC_D_PZ);
    double d = ParseNumber(traced.d.c_str());
    // The circle's offset counts outward from the centre.
    if (e.kind == RouteElementKind::Circle && layout.Track().curves[e.curve].sigma > 0) {
        d = d == 0 ? 0 : -d;
        traced.d = LinearText(d);
    }
    traced.absD = AbsValue(d);
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
            out += "   PK=" + best.PK + "   d=" + best.d;
            if (heights.Shown()) {
                bool levelCompared = false;
                out += heights.TracedText(ParseNumber(best.PK.c_str()), point.level, levelCompared);
                compared += levelCompared ? 1 : 0;
            }
            out += "   " + RouteElementName(line, layout.Elements()[best.element]);
            return true;
        },
        levelsCompared);
    return report;
}
