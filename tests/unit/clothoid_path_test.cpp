// The plane element of linear curvature: its point, offset point and foot point against
// a long-double quadrature of its direction law over generated elements; the elements
// of a worked element table joined end to start, with points traced on them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "geometry/clothoid_path.h"
#include "property/random_input.h"

namespace {

// The point at s of the element from (Y0, X0) whose direction at u is A0 + k1 u + c u^2:
// the integral of (sin, cos) of it by the 3-point Gauss rule on panels short enough
// that k h and c h^2 are small (over the generated elements it agrees with a rule on
// panels four times shorter to 2e-14).
struct ReferencePoint {
    long double Y, X, A;
};
ReferencePoint Reference(double Y0, double X0, double A0, double k1, double c, double s) {
    const auto angle = [&](long double u) { return A0 + u * (k1 + c * u); };
    const double kMax = std::max(std::abs(k1), std::abs(k1 + 2 * c * s));
    const int panels = 1 + static_cast<int>(std::abs(s) * (kMax / 0.02 + std::sqrt(std::abs(c) / 1e-4)));
    const long double half = static_cast<long double>(s) / (2 * panels), node = std::sqrt(0.6L);
    const long double nodes[] = {-node, 0, node}, weights[] = {5 / 9.0L, 8 / 9.0L, 5 / 9.0L};
    long double Y = 0, X = 0;
    for (int panel = 0; panel < panels; ++panel)
        for (int i = 0; i < 3; ++i) {
            const long double A = angle(half * (2 * panel + 1 + nodes[i]));
            Y += weights[i] * std::sin(A);
            X += weights[i] * std::cos(A);
        }
    return {Y0 + half * Y, X0 + half * X, angle(s)};
}

// Elements of every kind (straight, arc, clothoid from or to a straight or between two
// arcs of either hand) up to 1,000 m with radii from 50 m, anywhere on a national grid,
// and points a little beyond their ends; then an element of hostile values.
TEST(ClothoidPath, PointsAndFootPointsMatchQuadratureOfTheDirectionLaw) {
    const auto curvature = [](RandomInput& in) {
        return (in.Percent(50) ? 1 : -1) / (50 * std::exp(in.Uniform(0, std::log(200.0))));
    };
    const auto expectWithin = [](long double value, long double reference) {
        EXPECT_LE(std::abs(value - reference), 1e-9L) << static_cast<double>(value);
    };
    for (int input = 0; input < 3000; ++input) {
        SCOPED_TRACE(input);
        RandomInput in(27, 1, input);
        const int kind = in.Below(5);
        const double k1 = kind == 0 || kind == 2 ? 0 : curvature(in);
        const double k2 = kind == 0 || kind == 3 ? 0 : kind == 1 ? k1 : curvature(in);
        const double L = 1000 * (1 - in.Uniform(0, 1)), beyond = std::min(1.0, L);
        const double Y0 = in.Uniform(1e6, 1e7), X0 = in.Uniform(1e6, 1e7), A0 = in.Uniform(0, 7);
        const double s = in.Uniform(-beyond, L + beyond), ks = k1 + (k2 - k1) * (s / L);
        const double kMax = std::max({std::abs(k1), std::abs(k2), std::abs(ks)});
        const double d = in.Uniform(-1, 1) * std::min(20.0, 0.2 / std::max(kMax, 1e-9));

        const ClothoidPath path = MakeClothoidPath(Y0, X0, A0, L, k1, k2);
        const ReferencePoint on = Reference(Y0, X0, A0, k1, (k2 - k1) / (2 * L), s);
        const long double sinA = std::sin(on.A), cosA = std::cos(on.A);
        const long double offY = on.Y + d * cosA, offX = on.X - d * sinA;
        const PathPoint point = PointOnPath(path, s);
        const PlanePoint off = PointOffPath(path, s, d);
        expectWithin(point.Y, on.Y);
        expectWithin(point.X, on.X);
        EXPECT_NEAR(point.A, static_cast<double>(on.A), 1e-12);
        expectWithin(off.Y, offY);
        expectWithin(off.X, offX);

        // The foot point of the offset point rounded to doubles, where the element turns
        // by less than 5 rad so that no other part of it comes near. The rounding moves
        // the foot by its part along the tangent, stretched by 1 / (1 - k d), and the
        // offset by its part along the normal.
        if ((std::max(L, s) - std::min(0.0, s)) * kMax <= 5) {
            const double Y = static_cast<double>(offY), X = static_cast<double>(offX);
            const long double dY = Y - offY, dX = X - offX;
            const PathFoot foot = FootOnPath(path, Y, X);
            ASSERT_TRUE(foot.found);
            expectWithin(foot.s, s + (dY * sinA + dX * cosA) / (1 - ks * static_cast<long double>(d)));
            expectWithin(foot.d, d + dY * cosA - dX * sinA);
        }

        // Hostile values (the sanitizers watch): an element of no positive finite length
        // computes nothing.
        double v[8];
        for (double& value : v)
            value = in.Mixed();
        const ClothoidPath odd = MakeClothoidPath(v[0], v[1], v[2], v[3], v[4], v[5]);
        const PathFoot oddFoot = FootOnPath(odd, v[6], v[7]);
        const PlanePoint oddPoint = PointOffPath(odd, v[6], v[7]);
        EXPECT_TRUE((v[3] > 0 && !std::isinf(v[3])) || (!oddFoot.found && std::isnan(oddPoint.Y)));
    }
}

// The worked element table: PK, Y, X, AZ (degrees clockwise from north), L and the radius
// at the start and the end (0 for none, positive curving right); the last row is END.
struct TableRow {
    double PK, Y, X, AZ, L, R1, R2;
};
constexpr std::array<TableRow, 12> WorkedTable = {{
    {12000.0, 7412503.125000, 5581240.000000, 57.2500000000, 180.0, 0, 0},
    {12180.0, 7412654.512022, 5581337.375405, 57.2500000000, 110.0, 0, -850},
    {12290.0, 7412745.704482, 5581398.852496, 53.5426260315, 240.0, -850, -850},
    {12530.0, 7412916.181313, 5581566.649976, 37.3649941690, 70.0, -850, -1400},
    {12600.0, 7412956.638583, 5581623.758769, 33.5733617012, 160.0, -1400, -1400},
    {12760.0, 7413037.317433, 5581761.827851, 27.0252726140, 90.0, -1400, 0},
    {13000.0, 7413076.482899, 5581842.854529, 25.1836225582, 220.0, 0, 0},
    {13220.0, 7413170.097439, 5582041.943247, 25.1836225582, 60.0, 0, 600},
    {13280.0, 7413196.527082, 5582095.801153, 28.0484115339, 130.0, 600, 600},
    {13410.0, 7413269.558905, 5582203.040805, 40.4624970950, 60.0, 600, 0},
    {13470.0, 7413309.991189, 5582247.362700, 43.3272860707, 150.0, 0, 0},
    {13620.0, 7413412.915919, 5582356.479610, 0, 0, 0, 0},
}};

ClothoidPath PathOfRow(const TableRow& row) {
    const auto curvature = [](double R) { return R == 0 ? 0 : 1 / R; };
    return MakeClothoidPath(row.Y, row.X, row.AZ * std::numbers::pi / 180, row.L, curvature(row.R1),
                            curvature(row.R2));
}

TEST(ClothoidPath, WorkedElementTableJoinsAndTracesItsPoints) {
    for (std::size_t i = 0; i + 1 < WorkedTable.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const TableRow& next = WorkedTable[i + 1];
        const PathPoint end = PointOnPath(PathOfRow(WorkedTable[i]), WorkedTable[i].L);
        EXPECT_NEAR(end.Y, next.Y, 1e-6);
        EXPECT_NEAR(end.X, next.X, 1e-6);
        EXPECT_TRUE(next.L == 0 || std::abs(end.A - next.AZ * std::numbers::pi / 180) < 1e-10) << end.A;
    }
    // Surveyed points: the row of their element, Y, X, their station and offset.
    constexpr std::array<std::array<double, 5>, 5> points = {{
        {2, 7412700.1916, 5581368.0018, 12234.999977, -0.750043},
        {3, 7412838.2780, 5581475.2990, 12409.999994, 2.000027},
        {4, 7412935.6570, 5581595.7348, 12564.999981, -1.500012},
        {6, 7413059.9300, 5581800.8851, 12805.000035, 2.999965},
        {8, 7413183.8755, 5582068.6013, 13249.999988, 0.999967},
    }};
    for (const auto& [row, Y, X, PK, d] : points) {
        SCOPED_TRACE(row);
        const TableRow& element = WorkedTable[static_cast<std::size_t>(row) - 1];
        const PathFoot foot = FootOnPath(PathOfRow(element), Y, X);
        ASSERT_TRUE(foot.found);
        EXPECT_NEAR(element.PK + foot.s, PK, 2e-6);
        EXPECT_NEAR(foot.d, d, 2e-6);
    }
}

} // namespace
