#include "route/route_element_fields.h"

#include "numeric/arithmetic.h"
#include "set_out/set_out_calculators.h"
#include "trace/trace_calculators.h"

namespace {
using SV = StoredValue;

void PutPoint(CalculationStore& store, SV PK, SV Y, SV X, double pk, double y, double x) {
    store[PK] = pk, store[Y] = y, store[X] = x;
}

// The distance between two main points.
double Between(const MainPoint& a, const MainPoint& b) {
    return PlaneDistance(b.Y - a.Y, b.X - a.X);
}

// The straight's first point: START, or the IP before it with the picket it has
// along this straight (its exit spiral's end less the curve's tangent).
MainPoint StraightStart(const Route& line, std::size_t curve) {
    if (curve == 0) return line.start;
    const RouteCurve& c = line.curves[curve - 1];
    return {c.NSK2.PK - c.T, c.IP.Y, c.IP.X};
}

// The straight's last point: the next IP (whose picket lies on this straight) or END.
MainPoint StraightEnd(const Route& line, std::size_t curve) {
    return curve == line.curves.size() ? line.end : line.curves[curve].IP;
}

void PutCurveFields(const RouteCurve& c, CalculationStore& store) {
    store[SV::Y_ck] = c.Y_ck, store[SV::X_ck] = c.X_ck;
    store[SV::R_kk] = c.R;
    store[SV::q] = 0;
}
} // namespace

namespace {
// The trace and the set-out calculator of each kind, in the order of RouteElementKind.
struct ElementCalculators {
    const Calculator* trace;
    const Calculator* setOut;
};
const ElementCalculators CalculatorsOfKind[] = {
    {&StraightTraceCalculator, &StraightSetOutCalculator}, // Straight
    {&SpiralTraceCalculator, &SpiralSetOutCalculator},     // SpiralIn
    {&CircularTraceCalculator, &CircularSetOutCalculator}, // Circle
    {&SpiralTraceCalculator, &SpiralSetOutCalculator},     // SpiralOut
};
} // namespace

const Calculator& ElementTraceCalculator(RouteElementKind kind) {
    return *CalculatorsOfKind[static_cast<int>(kind)].trace;
}

const Calculator& ElementSetOutCalculator(RouteElementKind kind) {
    return *CalculatorsOfKind[static_cast<int>(kind)].setOut;
}

void PutElementFields(const Route& line, const RouteElement& element, CalculationStore& store) {
    if (element.kind == RouteElementKind::Straight) {
        const MainPoint a = StraightStart(line, element.curve), b = StraightEnd(line, element.curve);
        PutPoint(store, SV::PK_A, SV::Y_A, SV::X_A, a.PK, a.Y, a.X);
        PutPoint(store, SV::PK_B, SV::Y_B, SV::X_B, b.PK, b.Y, b.X);
        return;
    }
    const RouteCurve& c = line.curves[element.curve];
    PutCurveFields(c, store);
    if (element.kind == RouteElementKind::Circle) {
        PutPoint(store, SV::PK_A, SV::Y_A, SV::X_A, c.NKK.PK, c.NKK.Y, c.NKK.X);
        PutPoint(store, SV::PK_B, SV::Y_B, SV::X_B, c.KKK.PK, c.KKK.Y, c.KKK.X);
        store[SV::z_trace] = c.Z;
        return;
    }
    store[SV::L_sk] = c.L;
    if (element.kind == RouteElementKind::SpiralIn) {
        const MainPoint before = StraightStart(line, element.curve);
        const double back = Between(before, c.NKK);
        PutPoint(store, SV::PK_line, SV::Y_lin, SV::X_lin, c.NKK.PK - back, before.Y, before.X);
        PutPoint(store, SV::PK_A, SV::Y_A, SV::X_A, c.NKK.PK, c.NKK.Y, c.NKK.X);
    } else {
        const MainPoint after = StraightEnd(line, element.curve + 1);
        const double ahead = Between(c.KKK, after);
        PutPoint(store, SV::PK_line, SV::Y_lin, SV::X_lin, c.KKK.PK + ahead, after.Y, after.X);
        PutPoint(store, SV::PK_A, SV::Y_A, SV::X_A, c.KKK.PK, c.KKK.Y, c.KKK.X);
    }
}

std::string RouteElementName(const Route& line, const RouteElement& element) {
    const std::size_t n = line.curves.size();
    switch (element.kind) {
    case RouteElementKind::Straight:
        return "straight " +
               (element.curve == 0 ? std::string("START") : line.curves[element.curve - 1].name) + "-" +
               (element.curve == n ? std::string("END") : line.curves[element.curve].name);
    case RouteElementKind::SpiralIn:
        return "spiral in " + line.curves[element.curve].name;
    case RouteElementKind::Circle:
        return "circle " + line.curves[element.curve].name;
    case RouteElementKind::SpiralOut:
        return "spiral out " + line.curves[element.curve].name;
    }
    return {};
}
