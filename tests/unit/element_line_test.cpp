// A line given as an element table: the worked example's elements, equation and END
// reported, its surveyed points traced and its stations set out as the independent
// reference computed them (true clothoids integrated numerically), each refusal once,
// kinks noted, a station that an equation makes occur twice set out at both places;
// and generated tables whose elements this test integrates itself, set out on and
// traced back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "alignment/alignment_trace.h"
#include "calculator_run.h"
#include "numeric/arithmetic.h"
#include "numeric/report_numbers.h"
#include "property/random_input.h"
#include "route/route_elements.h"
#include "route/route_point_trace.h"
#include "selection_lines.h"
#include "text/number_text.h"

namespace {

const std::vector<std::string> Example = {
    "ELEMENTS Example line",
    "STRAIGHT   12000.000000   7412503.125000   5581240.000000   57.2500000000   180.000000",
    "SPIRAL   12180.000000   7412654.512022   5581337.375405   57.2500000000   110.000000   0.000000   -850.000000",
    "ARC   12290.000000   7412745.704482   5581398.852496   53.5426260315   240.000000   -850.000000",
    "SPIRAL   12530.000000   7412916.181313   5581566.649976   37.3649941690   70.000000   -850.000000   -1400.000000",
    "ARC   12600.000000   7412956.638583   5581623.758769   33.5733617012   160.000000   -1400.000000",
    "SPIRAL   12760.000000   7413037.317433   5581761.827851   27.0252726140   90.000000   -1400.000000   0.000000",
    "STRAIGHT   13000.000000   7413076.482899   5581842.854529   25.1836225582   220.000000",
    "SPIRAL   13220.000000   7413170.097439   5582041.943247   25.1836225582   60.000000   0.000000   600.000000",
    "ARC   13280.000000   7413196.527082   5582095.801153   28.0484115339   130.000000   600.000000",
    "SPIRAL   13410.000000   7413269.558905   5582203.040805   40.4624970950   60.000000   600.000000   0.000000",
    "STRAIGHT   13470.000000   7413309.991189   5582247.362700   43.3272860707   150.000000",
    "CANT   12180.000000   0.0000",
    "CANT   12290.000000   70.0000",
    "CANT   12530.000000   70.0000",
    "CANT   12600.000000   45.0000",
    "CANT   12760.000000   45.0000",
    "CANT   12850.000000   0.0000",
    "CANT   13220.000000   0.0000",
    "CANT   13280.000000   110.0000",
    "CANT   13410.000000   110.0000",
    "CANT   13470.000000   0.0000",
    "END   13620.000000   7413412.915919   5582356.479610",
};

class ElementLineTest : public CalculatorTest {
  protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        LinearDecimals = MaxLinearDecimals;
    }
    Alignment Read(const std::vector<std::string>& table) {
        RouteElements read = ReadRouteElements(Lines(table));
        EXPECT_TRUE(read.line.has_value()) << read.report;
        report = read.report;
        return read.line ? std::move(*read.line) : Alignment{};
    }
    std::string report;
};

TEST_F(ElementLineTest, WorkedExampleReported) {
    LinearDecimals = 4;
    Read(Example);
    const std::string expected[] = {
        "\r\nElements of the line\r\n"
        "STRAIGHT 1   PK=12000.0000   Y=7412503.1250   X=5581240.0000   AZ=57.2500000000   L=180.0000\r\n",
        "SPIRAL 4   PK=12530.0000   Y=7412916.1813   X=5581566.6500   AZ=37.3649941690   L=70.0000   "
        "R1=-850.0000   R2=-1400.0000\r\n",
        "ARC 5   PK=12600.0000   Y=7412956.6386   X=5581623.7588   AZ=33.5733617012   L=160.0000   R=-1400.0000\r\n",
        "   equation   back=12850.0000   ahead=13000.0000\r\nSTRAIGHT 7   PK=13000.0000",
        "END   PK=13620.0000   Y=7413412.9159   X=5582356.4796\r\nLength=1470.0000\r\n",
    };
    for (const std::string& part : expected)
        EXPECT_NE(report.find(part), std::string::npos) << part << "\n" << report;
    EXPECT_EQ(report.find("Kink"), std::string::npos) << report;
}

// The reference's surveyed points: station, offset and cant of each, and its row.
TEST_F(ElementLineTest, WorkedExampleTraced) {
    const Alignment line = Read(Example);
    const struct {
        const char* point;
        double Y, X;
        int row;
        double PK, d, h;
    } rows[] = {
        {"P1", 7412554.2636, 5581271.4072, 1, 12060.000051, 1.249997, 0},
        {"P2", 7412700.1916, 5581368.0018, 2, 12234.999977, -0.750043, 35},
        {"P3", 7412838.2780, 5581475.2990, 3, 12409.999994, 2.000027, 70},
        {"P4", 7412935.6570, 5581595.7348, 4, 12564.999981, -1.500012, 57.5},
        {"P5", 7412999.3827, 5581691.3882, 5, 12680.000034, 0.500025, 45},
        {"P6", 7413059.9300, 5581800.8851, 6, 12805.000035, 2.999965, 22.5},
        {"P7", 7413078.7020, 5581852.8614, 7, 13009.999979, -2.249957, 0},
        {"P8", 7413183.8755, 5582068.6013, 8, 13249.999988, 0.999967, 55},
        {"P9", 7413229.8051, 5582151.6260, 9, 13344.999973, -0.400015, 110},
        {"P10", 7413309.8870, 5582246.0863, 10, 13468.999986, 0.800025, 1.8334},
        {"P11", 7413405.2541, 5582349.9599, 11, 13609.999992, -1.099963, 0},
    };
    for (const auto& r : rows) {
        const std::optional<LineTrace> t = TraceOnAlignment(line, r.Y, r.X);
        ASSERT_TRUE(t.has_value()) << r.point;
        EXPECT_EQ(t->element + 1, static_cast<std::size_t>(r.row)) << r.point;
        // The reference's figures are rounded to 1e-6, as are these.
        EXPECT_NEAR(t->PK, r.PK, 1.5e-6) << r.point;
        EXPECT_NEAR(t->d, r.d, 1.5e-6) << r.point;
        EXPECT_NEAR(DesignCant(line, t->PK), r.h, 1e-4) << r.point;
    }
    // The report's line of a point: its station, offset, cant and element.
    const std::string traced = TracePointsOnRoute(line, Lines({"P3 7412838.2780 5581475.2990"})).report;
    EXPECT_NE(traced.find("P3   PK=12409.9999942   d=2.0000266   h=70.0000000   ARC 3\r\n"), std::string::npos)
        << traced;
}

TEST_F(ElementLineTest, WorkedExampleSetOut) {
    const Alignment line = Read(Example);
    const struct {
        double PK, d, Y, X, h;
    } rows[] = {
        {12100.000, 0.0, 7412587.228901, 5581294.097447, 0},
        {12333.333, 2.5, 7412781.471965, 5581423.546646, 70},
        {12612.500, -1.8, 7412961.996001, 5581635.186199, 45},
        {12840.000, 0.0, 7413072.226495, 5581833.805604, 5},
        {13005.000, 1.2, 7413079.696440, 5581846.868647, 0},
        {13300.000, -2.0, 7413204.491067, 5582114.290910, 110},
        {13450.000, 0.0, 7413296.294876, 5582232.788411, 36.6667},
    };
    for (const auto& r : rows) {
        const std::vector<LineSetOut> set = SetOutOnAlignment(line, r.PK, r.d);
        ASSERT_EQ(set.size(), 1u) << r.PK;
        ASSERT_EQ(set[0].outcome, SetOutOutcome::SetOut) << r.PK;
        EXPECT_NEAR(set[0].Y, r.Y, 1e-6) << r.PK;
        EXPECT_NEAR(set[0].X, r.X, 1e-6) << r.PK;
        EXPECT_NEAR(DesignCant(line, r.PK), r.h, 1e-4) << r.PK;
    }
    // In the gap of the equation no station exists; before the start and past the end neither.
    for (double PK : {12900.0, 11999.0, 13620.01})
        EXPECT_TRUE(SetOutOnAlignment(line, PK, 0).empty()) << PK;
    // 1000 m to the left on the 850 m arc reaches past its centre.
    EXPECT_EQ(SetOutOnAlignment(line, 12400, -1000)[0].outcome, SetOutOutcome::OffsetBeyondCentre);
}

// Each reason once: the report is the title and the one line, and nothing is kept.
TEST_F(ElementLineTest, RefusedTables) {
    const std::string head = "ELEMENTS T", straight = "STRAIGHT 0 0 0 0 100", end = "END 100 0 100";
    const struct {
        std::vector<std::string> lines;
        const char* reason;
    } cases[] = {
        {{straight, head, end}, "the STRAIGHT row of line 1 comes before the ELEMENTS line"},
        {{head, head, straight, end}, "line 2 is a second ELEMENTS line"},
        {{head, straight}, "there is no END line"},
        {{head, end}, "the table has no element"},
        {{head, straight, end, straight}, "line 4 comes after the END line"},
        {{head, "STRAIGHT 0 0 0 0", end}, "line 2 lacks a number: STRAIGHT needs PK, Y, X, AZ and L"},
        {{head, "ARC 0 0 0 0 100 0", end}, "line 2: the radius of the ARC is 0"},
        {{head, "SPIRAL 0 0 0 0 -5 0 300", end}, "line 2: the length of the SPIRAL is not above 0"},
        {{head, "STRAIGHT 0 0 0 0 1e400", end}, "line 2: the L field \"1e400\" is not a finite number"},
        {{head, "CANT 12,5 0", straight, end}, "line 2: the PK field \"12,5\" is not a number (write a decimal point)"},
        {{head, straight, "STRAIGHT 100 0.002 100 0 100", "END 200 0.002 200"},
         "line 2 and line 3: the start of line 3 lies 0.0020 from the end of line 2"},
        {{head, straight, "END 100 0 100.0015"}, "line 2 and line 3: END of line 3 lies 0.0015 from the end of line 2"},
        {{head, "CANT 50 10", "CANT 40 0", straight, end}, "line 3: the CANT station comes before the one of line 2"},
    };
    LinearDecimals = 4;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const RouteElements read = ReadRouteElements(Lines(c.lines));
        EXPECT_FALSE(read.line.has_value());
        EXPECT_EQ(read.report, std::string("\r\nElements of the line\r\n!Line not read: ") + c.reason + "!\r\n");
    }
}

// A kink of a minute is noted, not refused; an equation whose stations run back
// makes them occur twice, and both places are set out and traced.
TEST_F(ElementLineTest, KinksAndStationsThatOccurTwice) {
    LinearDecimals = 4;
    const double minute = PiTimes(1) / 180 / 60;
    char end[80];
    std::snprintf(end, sizeof end, "END 200 %.9f %.9f", 100 * std::sin(minute), 100 + 100 * std::cos(minute));
    Read({"ELEMENTS Turnout", "STRAIGHT 0 0 0 0 100", "STRAIGHT 100 0 100 0.0166666666667 100", end});
    EXPECT_NE(report.find("   !Kink of " + AngleText(minute) + " to the right at the start of line 3!\r\nSTRAIGHT 2"),
              std::string::npos)
        << report;

    const Alignment line =
        Read({"elements Loop", "straight 0 0 0 0 100", "cant 300 5", "straight 50 0 100 0 100", "end 150 0 200"});
    EXPECT_NE(report.find("   !CANT of line 3 at PK=300.0000 lies outside of the line!\r\nEND"), std::string::npos)
        << report;
    const std::vector<LineSetOut> both = SetOutOnAlignment(line, 75, 1);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_NEAR(both[0].X, 75, 1e-9);
    EXPECT_NEAR(both[1].X, 125, 1e-9);
    EXPECT_EQ(both[1].element, 1u);
    const std::optional<LineTrace> t = TraceOnAlignment(line, 1, 125);
    ASSERT_TRUE(t.has_value());
    EXPECT_NEAR(t->PK, 75, 1e-9);
    EXPECT_EQ(t->element, 1u);
}

// ---- Generated tables, integrated here ----

// The point at s of an element from (Y0, X0) in direction A0 whose curvature runs
// from k1 to k2 over L: Simpson's rule in long double over 4000 steps.
struct Reference {
    long double Y, X, A;
};
Reference Integrate(long double Y0, long double X0, long double A0, long double L, long double k1, long double k2,
                    long double s) {
    const int n = 4000;
    const long double h = s / n, c = (k2 - k1) / (2 * L);
    long double sy = 0, sx = 0;
    for (int i = 0; i <= n; ++i) {
        const long double t = i * h, a = A0 + k1 * t + c * t * t;
        const long double w = i == 0 || i == n ? 1 : i % 2 ? 4 : 2;
        sy += w * std::sin(a), sx += w * std::cos(a);
    }
    return {Y0 + sy * h / 3, X0 + sx * h / 3, A0 + k1 * s + c * s * s};
}

TEST_F(ElementLineTest, GeneratedTablesSetOutAndTraceBack) {
    for (long input = 0; input < 20; ++input) {
        RandomInput in(27, 1, input);
        std::vector<std::string> table = {"ELEMENTS Generated"};
        long double Y = in.Uniform(4e5, 6e5), X = in.Uniform(5e6, 6e6), A = in.Uniform(0, 6.28), PK = 1000;
        double k = 0; // the curvature the next element starts with
        struct Row {
            double PK, L;
        };
        std::vector<Row> rows;
        const int n = 2 + in.Below(8);
        for (int i = 0; i < n; ++i) {
            const double L = in.Uniform(20, 300);
            // A clothoid to another curvature (R 150 to 3000 either way, or none), an
            // arc where the curvature is kept, a straight where there is none.
            const double next = in.Percent(40) ? k : in.Percent(30) ? 0 : (in.Percent(50) ? 1 : -1) / in.Uniform(150, 3000);
            char text[200];
            const double degrees = static_cast<double>(A * 180 / PiTimes(1));
            const auto radius = [](double kk) { return kk == 0 ? 0.0 : 1 / kk; };
            if (k == 0 && next == 0)
                std::snprintf(text, sizeof text, "STRAIGHT %.6f %.6Lf %.6Lf %.10f %.6f", static_cast<double>(PK), Y, X, degrees, L);
            else if (k == next)
                std::snprintf(text, sizeof text, "ARC %.6f %.6Lf %.6Lf %.10f %.6f %.17g", static_cast<double>(PK), Y, X, degrees, L, radius(k));
            else
                std::snprintf(text, sizeof text, "SPIRAL %.6f %.6Lf %.6Lf %.10f %.6f %.17g %.17g", static_cast<double>(PK), Y, X, degrees, L,
                              radius(k), radius(next));
            table.push_back(text);
            // The next start from the figures as written.
            double w[4];
            std::sscanf(text, "%*s %lf %lf %lf %lf", &w[0], &w[1], &w[2], &w[3]);
            const Reference e = Integrate(w[1], w[2], PiTimes(w[3]) / 180, L, k, next, L);
            rows.push_back({static_cast<double>(PK), L});
            Y = e.Y, X = e.X, A = e.A, PK += L, k = next;
        }
        char end[120];
        std::snprintf(end, sizeof end, "END %.6Lf %.6Lf %.6Lf", PK, Y, X);
        table.push_back(end);
        const Alignment line = Read(table);
        ASSERT_FALSE(line.elements.empty()) << input;
        for (int j = 0; j < 10; ++j) {
            const std::size_t i = static_cast<std::size_t>(in.Below(n));
            const AlignmentElement& e = line.elements[i];
            const double s = in.Uniform(0, rows[i].L), d = in.Uniform(-5, 5);
            const Reference at = Integrate(e.Y, e.X, e.A, e.L, e.k1, e.k2, s);
            const std::vector<LineSetOut> set = SetOutOnAlignment(line, e.PK + s, d);
            ASSERT_FALSE(set.empty());
            // d to the right: (cos A, -sin A).
            EXPECT_NEAR(set[0].Y, static_cast<double>(at.Y + d * std::cos(at.A)), 1e-7) << input << " " << table[i + 1];
            EXPECT_NEAR(set[0].X, static_cast<double>(at.X - d * std::sin(at.A)), 1e-7) << input << " " << table[i + 1];
            const std::optional<LineTrace> t = TraceOnAlignment(line, set[0].Y, set[0].X);
            ASSERT_TRUE(t.has_value()) << input;
            EXPECT_NEAR(t->PK, e.PK + s, 1e-6) << input;
            EXPECT_NEAR(t->d, d, 1e-6) << input;
        }
        if (HasFailure()) return;
    }
}

} // namespace
