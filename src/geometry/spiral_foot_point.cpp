#include "geometry/spiral_foot_point.h"

#include <cmath>

#include "numeric/arithmetic.h"
#include "numeric/clothoid.h"

bool IsOnSpiralStretch(double x, double xLimit) {
    return x >= 0 && x <= xLimit;
}

SpiralFootPoint FindSpiralFootPoint(double x, double y, double C) {
    SpiralFootPoint foot{false, x, 0, 0};
    double l = x;
    while (foot.passes < MaxFootPointPasses) {
        ++foot.passes;
        double tau = ClothoidAngle(l, C);
        // Distance along the normal at l to the ordinate y, then where that normal meets it.
        double d = (y - ClothoidY(l, C)) / std::cos(tau);
        double xNormal = ClothoidX(l, C) - d * std::sin(tau);
        double e = AbsValue(x - xNormal);
        l = l + (x - xNormal);
        foot.l = l;
        foot.d = d;
        // A value that is no longer finite never passes the test: stop at once.
        if (!std::isfinite(e) || !std::isfinite(l)) return foot;
        if (TimesTenToMinus7(1) > e) {
            foot.settled = true;
            return foot;
        }
    }
    return foot;
}
