// Arithmetic, direction angles and the clothoid series, checked to the bit.
#include <gtest/gtest.h>

#include <cmath>

#include "numeric/arithmetic.h"
#include "numeric/clothoid.h"

TEST(Arithmetic, SignOf) {
    EXPECT_EQ(SignOf(0), 1.0);
    EXPECT_EQ(SignOf(-0.0), 1.0);
    EXPECT_EQ(SignOf(-1e-300), -1.0);
    EXPECT_EQ(SignOf(5), 1.0);
}

TEST(Arithmetic, IntPowerRoundsAtEveryStep) {
    struct Case {
        double x;
        int n;
        double expected;
    } cases[] = {
        {0, 0, 0}, {0, -3, 0}, {5, 0, 1}, {2, -2, 0.25}, {-2, 3, -8},
        {10, -7, 1.0000000000000002e-07}, // 1 divided seven times by 10, not 1e-07
        {10, 4, 10000},
    };
    for (const Case& c : cases) EXPECT_EQ(IntPower(c.x, c.n), c.expected) << c.x << "^" << c.n;
    EXPECT_NE(IntPower(10, -7), 1e-07);
    EXPECT_EQ(TimesTenToMinus7(1), 1.0000000000000002e-07);
    double x = 1.1;
    EXPECT_EQ(IntPower(x, 5), (((x * x) * x) * x) * x);
}

TEST(Arithmetic, PiTimesUsesTheProgramsPi) {
    EXPECT_EQ(PiTimes(1), 3.1415926535897905);
    EXPECT_NE(PiTimes(1), 3.141592653589793);
    EXPECT_EQ(PiTimes(2), 2 * 3.1415926535897905);
}

TEST(Arithmetic, DirectionAngle) {
    struct Case {
        double dY, dX, expected;
    } cases[] = {
        {0, 0, PiTimes(0.5)},
        {1, 0, PiTimes(0.5)},
        {-1, 0, PiTimes(1.5)},
        {0, -1, std::atan(-0.0) + PiTimes(1)},
        {-1, 1, std::atan(-1.0) + PiTimes(2)},
        {1, 1, std::atan(1.0)},
        {0, 1, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(DirectionAngle(c.dY, c.dX), c.expected) << c.dY << "," << c.dX;
    EXPECT_EQ(DirectionAngle(0, -1), PiTimes(1));
}

TEST(Arithmetic, DistanceAndProducts) {
    EXPECT_EQ(PlaneDistance(3, 4), 5);
    EXPECT_EQ(PlaneDistance(0, 0), 0);
    EXPECT_EQ(DotProduct(1, 2, 3, 4), 11);
    EXPECT_EQ(CrossProduct(1, 2, 3, 4), -2);
    EXPECT_EQ(NormalLineAbscissa(1, 3, 0, 2), 1);
}

TEST(Clothoid, EverySeriesIsZeroAtTheStartButThePicketFactor) {
    using Series = double (*)(double, double);
    Series zeroAtStart[] = {ClothoidAngle, ClothoidX,       ClothoidY,         SpiralTermA,       SpiralTermA1,
                            SpiralTermZ,   ClothoidVersine, SpiralPicketLength};
    for (Series f : zeroAtStart) EXPECT_EQ(f(0, 4000), 0);
    EXPECT_EQ(SpiralPicketFactor(0, 4000), 1);
}

TEST(Clothoid, SeriesCombineTheirTermsInOrder) {
    double l = 40, C = 4000;
    double C2 = C * C, C3 = C2 * C, C4 = C3 * C, C5 = C4 * C;
    double l3 = l * l * l, l4 = l3 * l, l5 = l4 * l, l7 = l5 * l * l, l8 = l7 * l, l9 = l8 * l;
    double l11 = l9 * l * l;
    EXPECT_EQ(ClothoidAngle(40, 4000), 0.2);
    EXPECT_EQ(ClothoidX(l, C), (l - l5 / (C2 * 40)) + l9 / (C4 * 3456));
    EXPECT_EQ(ClothoidY(l, C), (l3 / (C * 6) - l7 / (C3 * 336)) + l11 / (C5 * 42240));
    EXPECT_EQ(SpiralTermA(l, C), (l / 2 + l5 / (C2 * 60)) + 191 * l9 / (C4 * 120960));
    EXPECT_EQ(SpiralTermA1(l, C), (l / 2 - l5 / (C2 * 24)) - 13 * l9 / (C4 * 10080));
    EXPECT_EQ(SpiralTermZ(l, C), 589 * l11 / (C5 * 1182720) + (13 * l7 / (C3 * 2688) + l3 / (C * 24)));
    EXPECT_EQ(ClothoidVersine(l, C), l4 / (C2 * 8) - l8 / (C4 * 384));
    EXPECT_EQ(SpiralPicketLength(l, C), l * (l4 / (C2 * 60) + 1));
}
