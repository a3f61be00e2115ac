// Truncated power series of the clothoid (transition spiral).
//
// l is the arc length from the spiral's start, C the spiral parameter (radius x
// spiral length). Every power is taken with IntPower and every denominator is the
// power of C times its constant (40*C^2 is C^2 * 40); the terms tN (the term in l^N)
// are combined in the order each comment gives, since the printed digits depend on it.
#pragma once

// Tangent angle at l: l^2 / (2C).
double ClothoidAngle(double l, double C);
// Abscissa along the start tangent: (l - t5) + t9.
double ClothoidX(double l, double C);
// Ordinate across the start tangent: (t3 - t7) + t11.
double ClothoidY(double l, double C);
// Distance from the spiral's start to the circle's tangent point on the straight: (l/2 + t5) + t9.
double SpiralTermA(double l, double C);
// (l/2 - t5) - t9.
double SpiralTermA1(double l, double C);
// Shift of the circle from the straight: t11 + (t7 + t3).
double SpiralTermZ(double l, double C);
// First two terms of 1 - cos(tangent angle): t4 - t8.
double ClothoidVersine(double l, double C);
// t4 + 1.
double SpiralPicketFactor(double l, double C);
// l * SpiralPicketFactor(l, C): the picket length from the spiral's start.
double SpiralPicketLength(double l, double C);
