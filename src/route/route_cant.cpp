#include "route/route_cant.h"

#include <algorithm>

bool RouteHasCant(const Route& route) {
    return std::any_of(route.curves.begin(), route.curves.end(), [](const RouteCurve& c) { return c.h > 0; });
}

double DesignCant(const Route& route, double PK) {
    // The last curve that starts at or before the picket; curves follow in picket order.
    const auto after = std::upper_bound(route.curves.begin(), route.curves.end(), PK,
                                        [](double pk, const RouteCurve& c) { return pk < c.NSK1.PK; });
    if (after == route.curves.begin()) return 0;
    const RouteCurve& c = *(after - 1);
    if (!(c.h > 0) || PK > c.NSK2.PK) return 0;
    if (PK < c.KSK1.PK) return c.h * (PK - c.NSK1.PK) / (c.KSK1.PK - c.NSK1.PK);
    if (PK > c.KSK2.PK) return c.h * (c.NSK2.PK - PK) / (c.NSK2.PK - c.KSK2.PK);
    return c.h;
}
