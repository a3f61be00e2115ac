// The straight through A and B: the trace of a surveyed point (its picket and
// offset reckoned once from A and once from B, and their means) and the set-out of a
// picket and offset, its reverse.
//
// Notation (the report labels where there is one):
//   Lpk, Apk     length and direction angle of AB; sinA, cosA taken by division
//   s            sense of stationing, +1 when pickets grow from A to B (or are equal)
//   PKpz1, Dpz1  picket and offset of the point reckoned from A
//   PKpz2, Dpz2  the same reckoned from B
// A and B at the same place make Lpk 0, so sinA and cosA and everything derived
// from them are NaN.
#pragma once

#include "elements/kernel_outcomes.h"
#include "geometry/track_straight.h"

struct StraightElement {
    double PK_A, Y_A, X_A, PK_B, Y_B, X_B;
    TrackStraight AB;
};

StraightElement MakeStraightElement(double PK_A, double Y_A, double X_A, double PK_B, double Y_B, double X_B);

// Every point is traced: the straight runs on beyond A and B. PK and d are the
// means of the pickets and of the offsets from A and from B; d is positive to the
// right of growing pickets.
struct StraightTrace {
    double PKpz1, Dpz1, PKpz2, Dpz2;
    double PK, d;
};
StraightTrace TraceOnStraight(const StraightElement& e, double Y, double X);

// The point of picket PK and offset d: the distance along AB is the mean of the two
// distances the picket gives from A and from B, as the trace takes the mean. Every
// picket is set out.
ElementSetOut SetOutOnStraight(const StraightElement& e, double PK, double d);
