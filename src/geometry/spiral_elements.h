// The elements of a transition spiral (clothoid) that leads from a straight
// (through L and NKK) into a circular curve (centre, R_kk), with spiral length
// L_sk, as the spiral trace and its set-out share them; and the spiral frame.
//
// Notation (the report labels where there is one):
//   Lpk, Apk    distance and direction angle from L to NKK; sinA, cosA by division
//   s           sense of stationing, +1 when pickets grow from L toward NKK
//   Rk          distance from NKK to the centre, reported only
//   sigma       side of the curve, +1 for a centre right of the straight (or on it)
//   C           spiral parameter R_kk * L_sk
//   a           distance along the straight from NSK (spiral start) to NKK
//   (X),(Y),(FI) the spiral's end KSK in the spiral frame and its tangent angle
//   (Z)         shift of the circle from the straight
// The spiral frame: origin at NSK, x along the straight toward NKK, y across it
// toward the centre.
#pragma once

#include "geometry/track_straight.h"

struct SpiralElements {
    TrackStraight straight; // from L toward NKK
    double Rk, sigma;
    double C, a, a1, X, Y, Z, FI;
    double PKnsk, PKksk; // pickets of NSK and KSK; KSK's adds the plain spiral length
};

// The elements of the spiral from the straight's point L (PK_line, Y_lin, X_lin)
// toward NKK (PK_nkk, Y_nkk, X_nkk), the centre CK, R_kk and L_sk.
SpiralElements MakeSpiralElements(double PK_line, double Y_lin, double X_lin, double PK_nkk, double Y_nkk,
                                  double X_nkk, double Y_ck, double X_ck, double R_kk, double L_sk);

// A point (Y, X) in the spiral frame, (x)pz and (y)pz, and xLimit, the abscissa at
// which the normal at KSK meets its ordinate: the point lies on the spiral's stretch
// when IsOnSpiralStretch(x, xLimit). NKK is (Y_nkk, X_nkk).
struct SpiralFramePoint {
    double x, y, xLimit;
};
SpiralFramePoint ToSpiralFrame(const SpiralElements& e, double Y_nkk, double X_nkk, double Y, double X);
