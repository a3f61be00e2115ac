#include "elements/circular_kernels.h"

#include <algorithm>
#include <cmath>

#include "geometry/tolerances.h"
#include "numeric/arithmetic.h"

namespace {

// Whether the radius of the point lies in the sector swept from the start radius
// to the end radius in the sense of the curve, both radii included. For a curve of
// less than 120 degrees that is so exactly when its radius is no farther from either
// end radius than the curve turns. A wider curve passes that test also for some
// points behind the start or beyond the end (every point, on a half circle); such a
// point lies against the sense of the curve seen from the start and with it seen
// from the end, which no point of a narrower curve does.
// The comparison with |Beta| allows the AngleRoundingMargin.
bool IsOnCurve(double Apz1, double Apz2, double Beta, double Skk) {
    const double limit = AbsValue(Beta) + AngleRoundingMargin;
    if (!(AbsValue(Apz1) <= limit && AbsValue(Apz2) <= limit)) return false;
    const bool behindStart = Skk * Apz1 < 0;
    const bool beyondEnd = Skk * Apz2 > 0;
    return !(behindStart && beyondEnd);
}

} // namespace

CircularElement MakeCircularElement(double PK_nk, double Y_nk, double X_nk, double PK_kk, double Y_kk,
                                    double X_kk, double Y_ck, double X_ck, double R_kk, double z, double q) {
    const CircularCurve curve = MakeCircularCurve(Y_nk, X_nk, Y_kk, X_kk, Y_ck, X_ck, R_kk);
    return {PK_nk, PK_kk, Y_ck, X_ck, R_kk, z, q, curve};
}

CircularTrace TraceOnCircle(const CircularElement& e, double Y, double X) {
    const CircularCurve& c = e.curve;
    CircularTrace t{TraceOutcome::Outside, 0, 0, 0, 0, 0, 0};
    t.Apz = DirectionAngle(Y - e.Y_ck, X - e.X_ck);
    t.Rpz = PlaneDistance(Y - e.Y_ck, X - e.X_ck);
    const double Apz1 = ReduceToHalfTurn(t.Apz - c.Ankk);
    const double Apz2 = ReduceToHalfTurn(t.Apz - c.Akkk);
    if (!IsOnCurve(Apz1, Apz2, c.Beta, c.Skk)) return t;
    // The arcs run with growing pickets: s turns them round when the pickets fall
    // from the start to the end (s = +1 leaves them bit for bit unchanged).
    const double s = SignOf(e.PK_kk - e.PK_nk);
    t.outcome = TraceOutcome::Traced;
    t.PKpz1 = s * ((c.Skk * e.R_kk) * Apz1) + e.PK_nk;
    t.PKpz2 = s * ((c.Skk * e.R_kk) * Apz2) + e.PK_kk;
    t.PK = (t.PKpz1 + t.PKpz2) / 2;
    t.d = ((t.Rpz - e.R_kk) + e.z) + e.q;
    return t;
}

ElementSetOut SetOutOnCircle(const CircularElement& e, double PK, double d) {
    const CircularCurve& c = e.curve;
    const double s = SignOf(e.PK_kk - e.PK_nk);
    // Arc length to angle at the radius R_kk, in the sense of the curve.
    const double arcRadius = c.Skk * e.R_kk;
    const double fromStart = s * (PK - e.PK_nk) / arcRadius;
    const double fromEnd = s * (PK - e.PK_kk) / arcRadius + c.Beta;
    const double Apz1 = (fromStart + fromEnd) / 2;
    // The angle swept from the start radius, in [0, |Beta|] on the curve.
    const double swept = c.Skk * Apz1;
    const double sweptMargin = LengthTolerance / AbsValue(e.R_kk);
    if (swept < -sweptMargin || swept > c.Skk * c.Beta + sweptMargin)
        return {SetOutOutcome::PicketOutside, 0, 0};
    // An angle that is not finite (a zero radius) stays so: its point is NaN.
    const double onCurve = std::isfinite(swept) ? std::clamp(swept, 0.0, c.Skk * c.Beta) : swept;
    const double Rpz = ((d - e.q) - e.z) + e.R_kk;
    if (Rpz <= 0) return {SetOutOutcome::OffsetBeyondCentre, 0, 0};
    const double Apz = c.Ankk + c.Skk * onCurve;
    return {SetOutOutcome::SetOut, e.Y_ck + Rpz * std::sin(Apz), e.X_ck + Rpz * std::cos(Apz)};
}
