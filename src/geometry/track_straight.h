// A straight of the track through two given points with their pickets: its
// length, its direction and the sense in which its pickets run. The straight
// trace takes it through A and B, the spiral trace through L and NKK.
#pragma once

struct TrackStraight {
    double Lpk;        // distance from the first point to the second
    double sinA, cosA; // direction of the straight, formed by division by Lpk
    double Apk;        // direction angle from the first point to the second
    double s;          // sense of stationing: +1 when pickets grow toward the second point (or are equal)
};

// The straight from (Y1, X1) at picket PK1 toward (Y2, X2) at picket PK2. Points at
// the same place give Lpk 0 and a NaN direction.
TrackStraight MakeTrackStraight(double PK1, double Y1, double X1, double PK2, double Y2, double X2);

// A point of the plane stepped off from (Y0, X0): `along` the straight's direction,
// then `across` it, to the right of the direction for a positive value.
struct PlanePoint {
    double Y, X;
};
PlanePoint StepOff(const TrackStraight& straight, double Y0, double X0, double along, double across);
