#include "elements/spiral_kernels.h"

#include <algorithm>
#include <cmath>

#include "geometry/spiral_foot_point.h"
#include "geometry/tolerances.h"
#include "numeric/arithmetic.h"
#include "numeric/clothoid.h"

namespace {

// Newton's method on SpiralPicketLength(l, C) = Lpk. From l = Lpk, which is never
// below the root (the picket length exceeds the arc length), the passes fall
// monotonically onto it: measured, at most 4 passes for spirals of 20 to 150 m on
// radii of 300 to 3,000 m. The bound only keeps NaN and absurd inputs from looping.
constexpr int MaxNewtonPasses = 30;

double ArcLengthOfPicketLength(double Lpk, double C) {
    double l = Lpk;
    for (int pass = 0; pass < MaxNewtonPasses; ++pass) {
        const double excess = SpiralPicketLength(l, C) - Lpk;
        const double slope = IntPower(l, 4) / (IntPower(C, 2) * 12) + 1; // derivative of l + l^5/(60C^2)
        const double next = l - excess / slope;
        const bool settled = !(AbsValue(next - l) > ArcTolerance);
        l = next;
        if (settled) break;
    }
    return l;
}

} // namespace

SpiralElement MakeSpiralElement(double PK_line, double Y_lin, double X_lin, double PK_nkk, double Y_nkk,
                                double X_nkk, double Y_ck, double X_ck, double R_kk, double L_sk, double q) {
    SpiralElement s{Y_nkk, X_nkk, L_sk, q, {}, 0};
    s.e = MakeSpiralElements(PK_line, Y_lin, X_lin, PK_nkk, Y_nkk, X_nkk, Y_ck, X_ck, R_kk, L_sk);
    s.endPicketLength = SpiralPicketLength(L_sk, s.e.C);
    return s;
}

SpiralTrace TraceOnSpiral(const SpiralElement& s, double Y, double X) {
    const SpiralElements& e = s.e;
    SpiralTrace t{TraceOutcome::Outside, ToSpiralFrame(e, s.Y_nkk, s.X_nkk, Y, X), 0, 0, 0, 0, 0, 0, 0};
    if (!IsOnSpiralStretch(t.frame.x, t.frame.xLimit)) return t;
    const SpiralFootPoint foot = FindSpiralFootPoint(t.frame.x, t.frame.y, e.C);
    if (!foot.settled) {
        t.outcome = TraceOutcome::NotResolved;
        return t;
    }
    t.outcome = TraceOutcome::Traced;
    t.Lpz = foot.l;
    t.qpz = s.q * t.Lpz / s.L_sk;
    t.x0 = ClothoidX(t.Lpz, e.C);
    t.y0 = ClothoidY(t.Lpz, e.C);
    t.Lpk = SpiralPicketLength(t.Lpz, e.C);
    t.PK = e.straight.s * t.Lpk + e.PKnsk;
    t.d = (e.sigma * e.straight.s) * (foot.d - t.qpz);
    return t;
}

ElementSetOut SetOutOnSpiral(const SpiralElement& s, double PK, double d) {
    const SpiralElements& e = s.e;
    const double sense = e.straight.s;
    // The picket length from NSK, in [0, (Lpk) of KSK] on the spiral.
    const double Lpk = sense * (PK - e.PKnsk);
    if (Lpk < -LengthTolerance || Lpk > s.endPicketLength + LengthTolerance)
        return {SetOutOutcome::PicketOutside, 0, 0};
    const double Lpz = ArcLengthOfPicketLength(std::clamp(Lpk, 0.0, s.endPicketLength), e.C);
    const double tau = ClothoidAngle(Lpz, e.C);
    // Distance along the normal from the spiral toward the centre.
    const double normal = (e.sigma * sense) * d + s.q * Lpz / s.L_sk;
    const double x = ClothoidX(Lpz, e.C) - normal * std::sin(tau);
    const double y = ClothoidY(Lpz, e.C) + normal * std::cos(tau);
    // Back from the spiral frame: along the straight from NKK, across it to its right.
    const PlanePoint point = StepOff(e.straight, s.Y_nkk, s.X_nkk, x - e.a, e.sigma * y);
    return {SetOutOutcome::SetOut, point.Y, point.X};
}
