#include "route/ip_element_geometry.h"

#include "numeric/arithmetic.h"

namespace {

// The distance between two main points.
double Between(const MainPoint& a, const MainPoint& b) {
    return PlaneDistance(b.Y - a.Y, b.X - a.X);
}

// The straight's first point: START, or the IP before it with the picket it has
// along this straight (its exit spiral's end less the curve's tangent).
MainPoint StraightStart(const Route& route, std::size_t curve) {
    if (curve == 0) return route.start;
    const RouteCurve& c = route.curves[curve - 1];
    return {c.NSK2.PK - c.T, c.IP.Y, c.IP.X};
}

// The straight's last point: the next IP (whose picket lies on this straight) or END.
MainPoint StraightEnd(const Route& route, std::size_t curve) {
    return curve == route.curves.size() ? route.end : route.curves[curve].IP;
}

} // namespace

StraightElement RouteStraight(const Route& route, std::size_t curve) {
    const MainPoint a = StraightStart(route, curve), b = StraightEnd(route, curve);
    return MakeStraightElement(a.PK, a.Y, a.X, b.PK, b.Y, b.X);
}

CircularElement RouteCircle(const Route& route, std::size_t curve) {
    const RouteCurve& c = route.curves[curve];
    return MakeCircularElement(c.NKK.PK, c.NKK.Y, c.NKK.X, c.KKK.PK, c.KKK.Y, c.KKK.X, c.Y_ck, c.X_ck, c.R,
                               c.Z, 0);
}

SpiralElement RouteSpiral(const Route& route, std::size_t curve, bool entry) {
    const RouteCurve& c = route.curves[curve];
    const MainPoint& join = entry ? c.NKK : c.KKK;
    const MainPoint line = entry ? StraightStart(route, curve) : StraightEnd(route, curve + 1);
    const double PK_line = entry ? c.NKK.PK - Between(line, c.NKK) : c.KKK.PK + Between(c.KKK, line);
    return MakeSpiralElement(PK_line, line.Y, line.X, join.PK, join.Y, join.X, c.Y_ck, c.X_ck, c.R, c.L, 0);
}
