#include "numeric/arithmetic.h"

#include <cmath>

namespace {
constexpr double ProgramPi = 3.1415926535897905;
}

double SignOf(double x) {
    return x < 0 ? -1.0 : 1.0;
}

double AbsValue(double x) {
    return x < 0 ? -x : x;
}

double IntPower(double x, int n) {
    if (x == 0) return 0;
    double r = 1;
    if (n > 0) {
        for (long long i = 0; i < n; ++i) r = r * x;
    } else {
        for (long long i = 0; i < -static_cast<long long>(n); ++i) r = r / x;
    }
    return r;
}

double PiTimes(double x) {
    return x * ProgramPi;
}

double TimesTenToMinus7(double x) {
    return x * IntPower(10, -7);
}

double DirectionAngle(double dY, double dX) {
    if (dX == 0) return dY < 0 ? PiTimes(1.5) : PiTimes(0.5);
    double r = std::atan(dY / dX);
    if (dX < 0) return r + PiTimes(1);
    if (dY < 0) return r + PiTimes(2);
    return r;
}

double PlaneDistance(double a, double b) {
    return std::sqrt(IntPower(a, 2) + IntPower(b, 2));
}

double DotProduct(double a, double b, double c, double d) {
    return a * c + b * d;
}

double CrossProduct(double a, double b, double c, double d) {
    return a * d - b * c;
}

double NormalLineAbscissa(double a, double b, double c, double d) {
    double t = std::tan(c);
    return (b - d) * t + a;
}
