#include "trace/circular_curve.h"

#include "numeric/arithmetic.h"
#include "trace/calculator.h"

double ReduceToHalfTurn(double angle) {
    if (angle < 0) angle = angle + PiTimes(2);
    if (angle > PiTimes(1)) angle = angle - PiTimes(2);
    return angle;
}

CircularCurve StoredCircularCurve(const CalculationStore& store) {
    using SV = StoredValue;
    const double Y_nk = store[SV::Y_A], X_nk = store[SV::X_A];
    const double Y_kk = store[SV::Y_B], X_kk = store[SV::X_B];
    const double Y_ck = store[SV::Y_ck], X_ck = store[SV::X_ck];
    CircularCurve c;
    c.Rnkk = PlaneDistance(Y_nk - Y_ck, X_nk - X_ck);
    c.Ankk = DirectionAngle(Y_nk - Y_ck, X_nk - X_ck);
    c.Rkkk = PlaneDistance(Y_kk - Y_ck, X_kk - X_ck);
    c.Akkk = DirectionAngle(Y_kk - Y_ck, X_kk - X_ck);
    c.Beta = ReduceToHalfTurn(c.Akkk - c.Ankk);
    c.Skk = c.Beta >= 0 ? 1.0 : -1.0;
    c.Lkk = (c.Skk * store[SV::R_kk]) * c.Beta;
    return c;
}

std::string CircularCurvePiece(const CircularCurve& c) {
    return "\r\nAnkk=" + AngleText(c.Ankk) + "   Rnkk=" + LinearText(c.Rnkk) + //
           "\r\nAkkk=" + AngleText(c.Akkk) + "   Rkkk=" + LinearText(c.Rkkk) + //
           "\r\nBeta=" + AngleText(c.Beta) + "   Lkk=" + LinearText(c.Lkk) + "\r\n";
}
