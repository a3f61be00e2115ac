// The two text formats of computed values: linear values with a fixed number of
// decimals, angles as degrees'minutes'seconds'. Both round half away from zero by
// adding half a unit of the last written decimal and truncating. A value that is
// not finite is written as the plain word "INF", "-INF" or "NAN".
#pragma once

#include <string>
#include <string_view>

// x with exactly n decimals ("1234.5679" for 1234.56789 and n = 4); for n <= 0
// FormatNumber(x) unchanged.
char* FormatFixed(double x, int n);
// The label (at most 16 characters, as "   dh=") and FormatFixed(x, n) appended to
// out; the usual values (below 10^15, at most 15 decimals) without a string of the
// ring, for reports of many numbers.
void AppendFixed(std::string& out, double x, int n, std::string_view label = {});

// Angle a (radians) as " 57' 17' 44.81'": degrees, minutes and seconds with at most
// AngleDecimals decimals, each followed by an apostrophe.
char* FormatDms(double a);
