// The geometry of a surveyed point against a transition spiral, in the spiral
// frame: origin at the spiral's start (NSK), x along the straight, y across it
// toward the circle's centre. The spiral point at arc length l is
// (ClothoidX(l, C), ClothoidY(l, C)), its tangent at ClothoidAngle(l, C).
#pragma once

// True when the point at abscissa x lies on the stretch of the spiral: from the
// normal at NSK (x = 0) to the normal at KSK (x = xLimit), both bounds included.
// A NaN x or xLimit is never on the stretch.
bool IsOnSpiralStretch(double x, double xLimit);

// The iteration gives up after this many passes; near the spiral it settles in a few.
constexpr int MaxFootPointPasses = 100;

struct SpiralFootPoint {
    bool settled; // false when the passes ran out or a value stopped being finite
    double l;     // arc length from NSK to the foot point (after the last update)
    double d;     // distance from the foot point to the point along the normal (last pass)
    int passes;   // passes made
};

// The spiral point whose normal passes through (x, y), found by iteration on its
// arc length l starting at l = x: each pass moves l by the distance between x and
// the abscissa at which the normal at l meets the ordinate y, and the passes stop
// once that distance is below 10^-7.
SpiralFootPoint FindSpiralFootPoint(double x, double y, double C);
