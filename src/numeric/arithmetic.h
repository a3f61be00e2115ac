// Arithmetic and plane-geometry helpers shared by every calculator.
//
// Notation: plane coordinates are pairs (Y, X); a direction angle is in radians,
// in [0, 2pi), measured from the +X axis toward the +Y axis. pi is the double
// 3.1415926535897905 everywhere (PiTimes), six units in the last place below the
// double nearest to pi: the calculators' printed angles depend on that value.
#pragma once

// -1 for x < 0, otherwise +1 (0 and -0 give +1).
double SignOf(double x);

// -x when x < 0, otherwise x unchanged (so -0 and NaN come back as they went in).
double AbsValue(double x);
// x to the power n by repeated multiplication (n > 0) or division (n < 0), rounded
// at every step; 0 whenever x is 0, whatever n is.
double IntPower(double x, int n);

// x times the program's pi, 3.1415926535897905.
double PiTimes(double x);

// x times IntPower(10, -7), the tolerance of the spiral iteration.
double TimesTenToMinus7(double x);

// Direction angle of the vector (dY, dX), in [0, 2pi); pi/2 for the zero vector.
double DirectionAngle(double dY, double dX);

// sqrt(a^2 + b^2) with the squares taken by IntPower.
double PlaneDistance(double a, double b);

// a*c + b*d: with (a, b) = (dY, dX) and (c, d) = (sin, cos) of a line, the distance along it.
double DotProduct(double a, double b, double c, double d);

// a*d - b*c: with the same arguments, the offset across the line, positive to its right.
double CrossProduct(double a, double b, double c, double d);

// a + (b - d) * tan(c), tan(c) taken first: where the normal at the spiral's end
// reaches the ordinate d.
double NormalLineAbscissa(double a, double b, double c, double d);
