// The circular curve given by its start NK, its end KK, its centre and its radius
// R_kk: the trace of a surveyed point (its picket and its offset, raised by the two
// terms z and q) and the set-out of a picket and offset, its reverse.
//
// Notation (the report labels):
//   Rnkk, Ankk  distance and direction angle from the centre to the start
//   Rkkk, Akkk  the same to the end
//   Beta        turning angle from the start radius to the end radius, in (-pi, pi]:
//               the curve is always the shorter arc
//   Skk         sense of the curve, +1 when the radius turns toward growing
//               direction angles (Beta >= 0)
//   Rpz, Apz    distance and direction angle from the centre to the point
//   Apz1, Apz2  angle from the start radius and from the end radius to its radius
//   PKpz1/2     picket of the point reckoned from the start and from the end
//   Dpz         offset: positive farther from the centre than R_kk, plus z + q
// R_kk as typed, not the measured Rnkk or Rkkk, enters the pickets and the offset.
#pragma once

#include "elements/kernel_outcomes.h"
#include "geometry/circular_curve.h"

struct CircularElement {
    double PK_nk, PK_kk, Y_ck, X_ck, R_kk, z, q;
    CircularCurve curve;
};

CircularElement MakeCircularElement(double PK_nk, double Y_nk, double X_nk, double PK_kk, double Y_kk,
                                    double X_kk, double Y_ck, double X_ck, double R_kk, double z, double q);

// Apz and Rpz always; the pickets and the offset (PK the mean of PKpz1 and PKpz2,
// d = Dpz) when outcome is Traced, 0 otherwise.
struct CircularTrace {
    TraceOutcome outcome;
    double Apz, Rpz;
    double PKpz1, PKpz2, PK, d;
};
CircularTrace TraceOnCircle(const CircularElement& e, double Y, double X);

// The point of picket PK and offset d. The trace takes the mean of the pickets from
// the two ends, so the angle from the start radius is the mean of the angles the
// picket gives from the two ends; the point lies at R_kk + (d - q - z) from the
// centre. A picket whose radius leaves the sector from the start radius to the end
// radius (by more than LengthTolerance along the arc) is outside, one within it of
// an end is set out at that end; an offset that would reach or pass the centre is
// refused, since no picket could be told from such a point. A zero radius gives an
// angle that is not finite, which is neither: its coordinates are NaN.
ElementSetOut SetOutOnCircle(const CircularElement& e, double PK, double d);
