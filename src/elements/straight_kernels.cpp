#include "elements/straight_kernels.h"

#include "numeric/arithmetic.h"

StraightElement MakeStraightElement(double PK_A, double Y_A, double X_A, double PK_B, double Y_B,
                                    double X_B) {
    return {PK_A, Y_A, X_A, PK_B, Y_B, X_B, MakeTrackStraight(PK_A, Y_A, X_A, PK_B, Y_B, X_B)};
}

StraightTrace TraceOnStraight(const StraightElement& e, double Y, double X) {
    const double sinA = e.AB.sinA, cosA = e.AB.cosA, s = e.AB.s;
    StraightTrace t;
    // From A, then from B; s turns both to the direction of growing pickets.
    double dY = Y - e.Y_A;
    double dX = X - e.X_A;
    t.PKpz1 = s * DotProduct(dY, dX, sinA, cosA) + e.PK_A;
    t.Dpz1 = s * CrossProduct(dY, dX, sinA, cosA);
    dY = Y - e.Y_B;
    dX = X - e.X_B;
    t.PKpz2 = s * DotProduct(dY, dX, sinA, cosA) + e.PK_B;
    t.Dpz2 = s * CrossProduct(dY, dX, sinA, cosA);
    t.PK = (t.PKpz1 + t.PKpz2) / 2;
    t.d = (t.Dpz1 + t.Dpz2) / 2;
    return t;
}

ElementSetOut SetOutOnStraight(const StraightElement& e, double PK, double d) {
    const double alongFromA = e.AB.s * (PK - e.PK_A);
    const double alongFromB = e.AB.s * (PK - e.PK_B) + e.AB.Lpk;
    const double along = (alongFromA + alongFromB) / 2;
    const double across = e.AB.s * d; // to the right of A -> B
    const PlanePoint point = StepOff(e.AB, e.Y_A, e.X_A, along, across);
    return {SetOutOutcome::SetOut, point.Y, point.X};
}
