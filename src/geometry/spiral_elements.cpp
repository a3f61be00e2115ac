#include "geometry/spiral_elements.h"

#include "numeric/arithmetic.h"
#include "numeric/clothoid.h"

SpiralElements MakeSpiralElements(double PK_line, double Y_lin, double X_lin, double PK_nkk, double Y_nkk,
                                  double X_nkk, double Y_ck, double X_ck, double R_kk, double L_sk) {
    SpiralElements e;
    e.straight = MakeTrackStraight(PK_line, Y_lin, X_lin, PK_nkk, Y_nkk, X_nkk);
    // The side of the curve: the centre's offset from the straight.
    const double dYc = Y_ck - Y_nkk;
    const double dXc = X_ck - X_nkk;
    const double centreOffset = CrossProduct(dYc, dXc, e.straight.sinA, e.straight.cosA);
    e.Rk = PlaneDistance(dYc, dXc);
    e.sigma = SignOf(centreOffset);

    e.C = R_kk * L_sk;
    e.a = SpiralTermA(L_sk, e.C);
    e.a1 = SpiralTermA1(L_sk, e.C);
    e.X = ClothoidX(L_sk, e.C);
    e.Y = ClothoidY(L_sk, e.C);
    e.Z = SpiralTermZ(L_sk, e.C);
    e.FI = ClothoidAngle(L_sk, e.C);
    e.PKnsk = PK_nkk - e.straight.s * e.a;
    e.PKksk = e.straight.s * L_sk + e.PKnsk;
    return e;
}

SpiralFramePoint ToSpiralFrame(const SpiralElements& e, double Y_nkk, double X_nkk, double Y, double X) {
    const double dYp = Y - Y_nkk;
    const double dXp = X - X_nkk;
    const double x = DotProduct(dYp, dXp, e.straight.sinA, e.straight.cosA) + e.a;
    const double y = e.sigma * CrossProduct(dYp, dXp, e.straight.sinA, e.straight.cosA);
    return {x, y, NormalLineAbscissa(e.X, e.Y, e.FI, y)};
}
