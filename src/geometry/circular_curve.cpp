#include "geometry/circular_curve.h"

#include "numeric/arithmetic.h"

double ReduceToHalfTurn(double angle) {
    if (angle < 0) angle = angle + PiTimes(2);
    if (angle > PiTimes(1)) angle = angle - PiTimes(2);
    return angle;
}

CircularCurve MakeCircularCurve(double Y_nk, double X_nk, double Y_kk, double X_kk, double Y_ck, double X_ck,
                                double R_kk) {
    CircularCurve c;
    c.Rnkk = PlaneDistance(Y_nk - Y_ck, X_nk - X_ck);
    c.Ankk = DirectionAngle(Y_nk - Y_ck, X_nk - X_ck);
    c.Rkkk = PlaneDistance(Y_kk - Y_ck, X_kk - X_ck);
    c.Akkk = DirectionAngle(Y_kk - Y_ck, X_kk - X_ck);
    c.Beta = ReduceToHalfTurn(c.Akkk - c.Ankk);
    c.Skk = c.Beta >= 0 ? 1.0 : -1.0;
    c.Lkk = (c.Skk * R_kk) * c.Beta;
    return c;
}
