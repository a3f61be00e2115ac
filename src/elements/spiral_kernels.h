// The transition spiral from a straight (through L and NKK) into a circular curve
// (centre, R_kk), of length L_sk, with the term q of its offset: the trace of a
// surveyed point on the spiral's stretch and the set-out of a picket and offset,
// its reverse. Notation in geometry/spiral_elements.h; (x)pz, (y)pz are the point
// in the spiral frame, xLimit the abscissa of the normal at KSK at that ordinate.
// Degenerate inputs (L at NKK, a zero radius or spiral length) divide by zero: the
// values come out not finite, and a NaN point is never on the stretch.
#pragma once

#include "elements/kernel_outcomes.h"
#include "geometry/spiral_elements.h"

struct SpiralElement {
    double Y_nkk, X_nkk, L_sk, q;
    SpiralElements e;
    double endPicketLength; // (Lpk) of KSK: SpiralPicketLength(L_sk, C)
};

SpiralElement MakeSpiralElement(double PK_line, double Y_lin, double X_lin, double PK_nkk, double Y_nkk,
                                double X_nkk, double Y_ck, double X_ck, double R_kk, double L_sk, double q);

// The point in the spiral frame always. Outside when it lies off the stretch (before
// NSK when frame.x < 0, beyond KSK when frame.x > frame.xLimit); NotResolved when the
// foot point's iteration did not settle (far off the spiral on its outer side).
// When Traced: the foot point (x0, y0) at arc length Lpz, its picket length Lpk,
// the share qpz of q, the picket PK and the offset d (positive to the right of
// growing pickets); 0 otherwise.
struct SpiralTrace {
    TraceOutcome outcome;
    SpiralFramePoint frame;
    double x0, y0, Lpz, Lpk, qpz;
    double PK, d;
};
SpiralTrace TraceOnSpiral(const SpiralElement& e, double Y, double X);

// The point of picket PK and offset d: the picket gives the picket length from NSK,
// Newton's method on SpiralPicketLength the arc length Lpz; the offset, turned by
// sigma and s and raised by the share of q, is stepped off along the spiral's normal
// at Lpz, toward the centre for a positive value, and the spiral frame turned back
// onto the plane. A picket whose picket length falls outside 0 to (Lpk) of KSK (by
// more than LengthTolerance) is outside; one within it of an end is set out there.
ElementSetOut SetOutOnSpiral(const SpiralElement& e, double PK, double d);
