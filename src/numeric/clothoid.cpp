#include "numeric/clothoid.h"

#include "numeric/arithmetic.h"

namespace {
// k * l^n / (C^m * d), the shape of every series term.
double Term(double k, double l, int n, double C, int m, double d) {
    return k * IntPower(l, n) / (IntPower(C, m) * d);
}
double Term(double l, int n, double C, int m, double d) {
    return IntPower(l, n) / (IntPower(C, m) * d);
}
} // namespace

double ClothoidAngle(double l, double C) {
    return Term(l, 2, C, 1, 2);
}

double ClothoidX(double l, double C) {
    return (l - Term(l, 5, C, 2, 40)) + Term(l, 9, C, 4, 3456);
}

double ClothoidY(double l, double C) {
    return (Term(l, 3, C, 1, 6) - Term(l, 7, C, 3, 336)) + Term(l, 11, C, 5, 42240);
}

double SpiralTermA(double l, double C) {
    return (l / 2 + Term(l, 5, C, 2, 60)) + Term(191, l, 9, C, 4, 120960);
}

double SpiralTermA1(double l, double C) {
    return (l / 2 - Term(l, 5, C, 2, 24)) - Term(13, l, 9, C, 4, 10080);
}

double SpiralTermZ(double l, double C) {
    return Term(589, l, 11, C, 5, 1182720) + (Term(13, l, 7, C, 3, 2688) + Term(l, 3, C, 1, 24));
}

double ClothoidVersine(double l, double C) {
    return Term(l, 4, C, 2, 8) - Term(l, 8, C, 4, 384);
}

double SpiralPicketFactor(double l, double C) {
    return Term(l, 4, C, 2, 60) + 1;
}

double SpiralPicketLength(double l, double C) {
    return l * SpiralPicketFactor(l, C);
}
