// The whole line read from an IP table: the worked example's elements and main
// points, the tables that are refused, the lines the reader takes or skips, and the
// main points of generated lines traced back by their own elements' traces;
// then the trace of points and the set-out on the whole line: the worked example's
// points and pickets, and points set out on generated lines and traced back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "calculator_run.h"
#include "selection_lines.h"
#include "geometry/tolerances.h"
#include "menu/route_set_out_calculator.h"
#include "route/ip_line.h"
#include "route/line_session.h"
#include "route/route_elements.h"
#include "route/route_point_trace.h"
#include "route/route_profile.h"
#include "numeric/arithmetic.h"
#include "numeric/clothoid.h"
#include "property/generated_profile.h"
#include "property/random_input.h"
#include "resource_ids.h"
#include "text/line_fields.h"
#include "text/number_text.h"

namespace {

const std::vector<std::string> Example = {"START 100.000 5000.000 2000.000",
                                          "IP VU1 5600.000 2800.000 800 100",
                                          "IP VU2 5650.000 3900.000 600 0", "END 6250.000 4800.000"};

std::string Figures(const MainPoint& p) {
    return LinearText(p.PK) + " " + LinearText(p.Y) + " " + LinearText(p.X);
}

// An IP table's line in both forms: the IP form the table's builder computes (its
// curves and main points) and the model every job reads.
struct IpLine {
    Route route;
    Alignment line;
};
IpLine ReadIpLine(const std::vector<std::string>& table) {
    const RouteBuild build = BuildRoute(ReadIpTable(Lines(table)).table);
    EXPECT_EQ(build.refusal, "");
    return {build.line, BuildIpLine(build.line)};
}

class LineTest : public CalculatorTest {};

// Each reason once; the report is the title and the one line, and nothing is kept.
TEST_F(LineTest, RefusedTables) {
    const std::string start = "START 0 0 0";
    const std::string end = "END 0 3000";
    const struct {
        std::vector<std::string> lines;
        const char* reason;
    } cases[] = {
        {{"IP A 0 1000 500 0", end}, "the IP of line 1 comes before the START line"},
        {{end, start}, "the END line comes before the START line"},
        {{start, "IP A 500 1000 500 0"}, "there is no END line"},
        {{"x"}, "there is no START line"},
        {{start, start, end}, "line 2 is a second START line"},
        {{start, end, "END 1 1"}, "line 3 is a second END line"},
        {{start, end, "IP A 500 1000 500 0"}, "the IP of line 3 comes after the END line"},
        {{start, "IP A 500 1000 500", end}, "line 2 lacks a number: IP needs a name, Y, X, R and L"},
        {{start, "IP A 500 1000 500 0,5", end}, "line 2: \"0,5\" is not a number (write a decimal point)"},
        {{"START 0 0 x0", end}, "line 1: \"x0\" is not a number"},
        {{start, "END,3000,"}, "line 2: \"\" is not a number"},
        {{"START 0 0 inf", end}, "line 1: \"inf\" is not a finite number"},
        {{start, "END 3000"}, "line 2 lacks a number: END needs Y and X"},
        {{start, "IP A 500 1000 500 0", "IP A 0 2000 500 0", end}, "two IPs are named A (line 2 and line 3)"},
        {{start, "IP A 500 1000 500 100 9O", end}, "line 2: the cant field \"9O\" is not a number"},
        {{start, "IP A 500 1000 500 100 -1", end}, "the cant of A is below 0"},
        {{start, "IP A 500 1000 500 100 -inf", end}, "the cant of A is not a finite number"},
        {{start, "IP A 500 1000 500 0 90", end}, "A has a cant of 90.0000 but no transition to ramp it"},
        {{start, "IP A 500 1000 0 0", end}, "the radius of A is not above 0"},
        {{start, "IP A 500 1000 500 -1", end}, "the spiral length of A is below 0"},
        {{start, "IP A 500 1000 nan 0", end}, "R or L of A is not a finite number"},
        {{start, "IP A 0 0 500 0", end}, "START and A coincide"},
        {{start, "END 0 1e300"}, "line 2: the X field \"1e300\" lies beyond what track can have (-1e+09 to 1e+09)"},
        {{start, "IP A 500 1000 500 1e-300", end}, "the spirals of A are too short to compute"},
        {{start, "IP A 0 1000 500 0", end}, "A has no turn"},
        {{start, "IP A 0 1000 500 0", "END 1 0"}, "A turns 179 degrees or more"},
        {{start, "IP A 100 1000 50 10", end}, "the spirals of A overlap (L is more than R times Theta)"},
        // 2 R tan(22.5 degrees) on a straight of 100 sqrt(2).
        {{start, "IP A 0 1000 500 0", "IP B 100 1100 500 0", "END 100 3000"},
         "the curves of A and B overlap by 272.7922 on their straight"},
        {{start, "IP A 500 1000 5000 0", end}, "START lies inside the curve of A"},
        {{start, "IP A 100 1000 5000 0", "END 100 1100"}, "END lies inside the curve of A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const RouteElements read = ReadRouteElements(Lines(c.lines));
        EXPECT_FALSE(read.line.has_value());
        EXPECT_EQ(read.report,
                  std::string("\r\nElements of the line\r\n!Line not read: ") + c.reason + "!\r\n");
    }
    std::vector<std::string> tooMany = {start};
    for (int i = 0; i <= MaxRouteIps; ++i)
        tooMany.push_back("IP V" + std::to_string(i) + " " + std::to_string(i % 2) + " " +
                          std::to_string(i * 100) + " 1 0");
    tooMany.push_back(end);
    EXPECT_EQ(ReadRouteElements(Lines(tooMany)).report,
              "\r\nElements of the line\r\n!Line not read: the line has more than 10000 IPs!\r\n");
}

// What the line reader does beyond the point reader: the word in any case, the IP's
// name as any field, lines named by their number in the text (here from 41), fields
// after the numbers ignored.
TEST_F(LineTest, ReaderEdgeCases) {
    const RouteElements read = ReadRouteElements(
        Lines({"Route 12, design of 2026", "", "start;100;5000;2000;K1", "ip,VU1,5600,2800,800,100,curve",
               "  \t", "Ip 17 5650 3900 600 0 x y z", "eNd 6250 4800 end", "IP_VU3 1 2 3 4 5"},
              41));
    ASSERT_TRUE(read.line.has_value()) << read.report;
    EXPECT_EQ(read.line->elements[5].name, "circle 17");
    EXPECT_EQ(Figures({read.line->end.PK, read.line->end.Y, read.line->end.X}), "3259.7809 6250.0000 4800.0000");
    EXPECT_EQ(read.report.substr(0, read.report.find("START")),
              "\r\nElements of the line\r\n! Line 41 skipped: Route 12, design of 2026\r\n"
              "! Line 48 skipped: IP_VU3 1 2 3 4 5\r\n");
    EXPECT_EQ(ReadRouteElements(Lines({"START 0 0 0", "IP A 5432548,022 1000 500 0", "END 0 3000"}, 7)).report,
              "\r\nElements of the line\r\n!Line not read: line 8: \"5432548,022\" is not a number (write a "
              "decimal point)!\r\n");
    // A straight alone is a line.
    const RouteElements straight = ReadRouteElements(Lines({"START 0 0 0", "END 300 400"}));
    ASSERT_TRUE(straight.line.has_value());
    EXPECT_EQ(straight.report, "\r\nElements of the line\r\nSTART   PK=0.0000   Y=0.0000   X=0.0000\r\n"
                               "END   PK=500.0000   Y=300.0000   X=400.0000\r\nLength=500.0000\r\n");
}

// ---- Generated lines: every main point traced by its own element's trace ----

constexpr double Tolerance = 1e-6;

// A line of 1 to 20 IPs on a national grid, turning either way, R 300 to 3000,
// L 0 to 150, its straights long enough for its curves.
std::vector<std::string> GeneratedLine(RandomInput& in) {
    const int n = 1 + in.Below(20);
    std::vector<double> turn(n), R(n), L(n), T(n);
    for (int i = 0; i < n; ++i) {
        turn[i] = (in.Percent(50) ? 1 : -1) * in.Uniform(0.05, 2.0);
        R[i] = in.Uniform(300, 3000);
        L[i] = in.Percent(20) ? 0 : std::min(in.Uniform(0, 150), 0.9 * R[i] * std::abs(turn[i]));
        T[i] = R[i] * std::tan(std::abs(turn[i]) / 2) + L[i];
    }
    double Y = in.Uniform(4e5, 6e5), X = in.Uniform(5e6, 6e6), direction = in.Uniform(0, 6.28);
    auto text = [](double v) { return std::string(FormatNumber(v)); };
    std::vector<std::string> lines = {"START" + text(in.Uniform(0, 1e5)) + text(Y) + text(X)};
    for (int i = 0; i <= n; ++i) {
        const double leg = (i > 0 ? T[i - 1] : 0) + (i < n ? T[i] : 0) + in.Uniform(1, 800);
        Y += leg * std::sin(direction), X += leg * std::cos(direction);
        if (i == n) break;
        lines.push_back("IP V" + std::to_string(i) + text(Y) + text(X) + text(R[i]) + text(L[i]));
        direction += turn[i];
    }
    lines.push_back("END" + text(Y) + text(X));
    return lines;
}

class LineProperty : public CalculatorTest {
  protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        LinearDecimals = MaxLinearDecimals;
    }
    enum class K { Straight, SpiralIn, Circle, SpiralOut };
    // The index in line order of a curve's element (a straight's: the one into it).
    static std::size_t ElementIndex(const Route& route, K kind, std::size_t curve) {
        std::size_t at = 0;
        for (std::size_t i = 0; i < curve; ++i)
            at += route.curves[i].L > 0 ? 4 : 2;
        const bool spirals = curve < route.curves.size() && route.curves[curve].L > 0;
        return at + (kind == K::Straight ? 0 : kind == K::SpiralIn ? 1 : kind == K::Circle ? 1 + spirals : 2 + spirals);
    }
    // Traces p by the element's own kernel, and checks picket and offset.
    // A spiral's ends lie on its stretch's bounds, which rounding may put a hair
    // outside: they are traced `inward` (1e-7) along the spiral's straight.
    void ExpectTraced(const IpLine& ip, K kind, std::size_t curve, MainPoint p, double tolerance,
                      const std::string& what, double inward = 0) {
        if (inward != 0) {
            const RouteCurve& c = ip.route.curves[curve];
            const TrackStraight& straight = kind == K::SpiralIn ? c.in : c.out;
            const double along = kind == K::SpiralIn ? inward : -inward;
            p.Y += along * straight.sinA, p.X += along * straight.cosA;
            p.PK += inward * (kind == K::SpiralIn ? 1 : -1);
        }
        const std::optional<StationOffset> t =
            ip.line.elements[ElementIndex(ip.route, kind, curve)].kernel->Trace(p.Y, p.X);
        ASSERT_TRUE(t.has_value()) << what;
        EXPECT_NEAR(t->PK, p.PK, tolerance) << what;
        EXPECT_NEAR(t->d, 0, tolerance) << what;
    }
};

TEST_F(LineProperty, MainPointsTraceBackOnTheirElements) {
    for (long input = 0; input < 150; ++input) {
        RandomInput in(12, 0, input);
        const IpLine ip = ReadIpLine(GeneratedLine(in));
        const Route& line = ip.route;
        double legs = 0, domers = 0;
        for (std::size_t i = 0; i < line.curves.size(); ++i) {
            const RouteCurve& c = line.curves[i];
            const std::string what = "input " + std::to_string(input) + " " + c.name;
            // At KSK the circle counts about PK_NKK + L/2 where the spiral counts its
            // series; the truncated series also place KSK a little off the angle L/2R,
            // which a tenth more covers.
            const double series = 1.1 * AbsValue(c.NKK.PK + c.L / 2 - c.KSK1.PK) + Tolerance;
            ExpectTraced(ip, K::Straight, i, c.NSK1, Tolerance, what + " NSK1 on the straight");
            const double in = c.L > 0 ? 1e-7 : 0; // a plain circle has no spiral to trace on
            if (c.L > 0) {
                ExpectTraced(ip, K::SpiralIn, i, c.NSK1, Tolerance, what + " NSK1", in);
                ExpectTraced(ip, K::SpiralIn, i, c.KSK1, Tolerance, what + " KSK1", -in);
                ExpectTraced(ip, K::SpiralOut, i, c.KSK2, Tolerance, what + " KSK2", -in);
                ExpectTraced(ip, K::SpiralOut, i, c.NSK2, Tolerance, what + " NSK2", in);
            }
            ExpectTraced(ip, K::Circle, i, c.KSK1, series, what + " KSK1 on the circle");
            ExpectTraced(ip, K::Circle, i, c.SK, Tolerance, what + " SK");
            ExpectTraced(ip, K::Circle, i, c.KSK2, series, what + " KSK2 on the circle");
            ExpectTraced(ip, K::Straight, i + 1, c.NSK2, Tolerance, what + " NSK2 on the straight");
            // The elements measured on the plane.
            EXPECT_NEAR(PlaneDistance(c.IP.Y - c.NSK1.Y, c.IP.X - c.NSK1.X), c.T, Tolerance) << what;
            EXPECT_NEAR(PlaneDistance(c.IP.Y - c.SK.Y, c.IP.X - c.SK.X), c.B, Tolerance) << what;
            legs += c.in.Lpk;
            domers += c.D;
        }
        legs += line.curves.empty() ? 0 : line.curves.back().out.Lpk;
        EXPECT_NEAR(line.end.PK, line.start.PK + legs - domers, Tolerance) << input;
        if (HasFailure()) return;
    }
}

// The cant of generated lines (a cant of up to 180 mm on every curve with spirals
// long enough to ramp one)
// runs on without a step through every main point: 0 at NSK1 and NSK2, h at KSK1
// and KSK2.
TEST_F(LineProperty, CantIsContinuousAlongTheLine) {
    constexpr double Tolerance = 1e-6;
    for (long input = 0; input < 150; ++input) {
        RandomInput in(15, 0, input);
        std::vector<std::string> table = GeneratedLine(in);
        for (std::string& text : table)
            if (const LineFields f = SplitLineFields(text, 6);
                f.count == 6 && ParseNumber(std::string(f.at[5]).c_str()) >= LeastSpiralLength)
                text += " " + std::string(FormatNumber(in.Uniform(0, 180)));
        const IpLine ip = ReadIpLine(table);
        const Route& line = ip.route;
        const auto h = [&](double PK) { return DesignCant(ip.line, PK); };
        for (const RouteCurve& c : line.curves) {
            const std::string what = "input " + std::to_string(input) + " " + c.name;
            const std::pair<const MainPoint*, double> ends[] = {
                {&c.NSK1, 0}, {&c.KSK1, c.h}, {&c.KSK2, c.h}, {&c.NSK2, 0}};
            for (const auto& [point, cant] : ends) {
                EXPECT_NEAR(h(std::nextafter(point->PK, -INFINITY)), cant, Tolerance) << what;
                EXPECT_NEAR(h(point->PK), cant, Tolerance) << what;
                EXPECT_NEAR(h(std::nextafter(point->PK, INFINITY)), cant, Tolerance) << what;
            }
        }
        if (HasFailure()) return;
    }
}

// ---- Trace and set out on the whole line ----

// The report line of each point traced, by name.
std::map<std::string, std::string> TracedLines(const std::string& report) {
    std::map<std::string, std::string> byName;
    for (std::size_t at = 0, end; (end = report.find("\r\n", at)) != std::string::npos; at = end + 2) {
        const std::string line = report.substr(at, end - at);
        byName[line.substr(0, line.find(' '))] = line;
    }
    return byName;
}

class LineOfPoints : public CalculatorTest {
  protected:
    void TearDown() override {
        TheLineSession().Clear();
        CalculatorTest::TearDown();
    }
    // Sets out (PK, d) on the stored line as one CALC of its dialog; the report's
    // point line.
    std::string SetOut(double PK, double d) {
        store = CalculationStore();
        store.Name(StoredName::PZ) = "S";
        store[StoredValue::PK_so] = PK, store[StoredValue::d_so] = d;
        store[StoredValue::PK_to] = PK, store[StoredValue::step] = 0;
        out = RouteSetOutCalculator.compute(store);
        const std::string& points = out.resultPieces.back();
        return points.substr(2, points.size() - 4);
    }
    CalculationOutput out; // of the last set-out
};

TEST_F(LineOfPoints, WorkedExampleSetOut) {
    const IpLine ip = ReadIpLine(Example);
    TheLineSession().SetLine(ip.line);
    // The pickets of the table are NSK1 + 40 m, SK and NSK2 + 10 m.
    const RouteCurve &vu1 = ip.route.curves[0], &vu2 = ip.route.curves[1];
    EXPECT_EQ(SetOut(vu1.NSK1.PK + 40, 2.5),
              "S   PK=843.3471   d=2.5000   Y=5447.9161   X=2593.2772   spiral in VU1");
    EXPECT_EQ(SetOut(vu1.SK.PK, -1), "S   PK=1092.6043   d=-1.0000   Y=5563.5973   X=2813.0600   circle VU1");
    EXPECT_EQ(SetOut(vu2.NSK2.PK + 10, 0),
              "S   PK=2355.0038   d=0.0000   Y=5748.1199   X=4047.1799   straight VU2-END");
    EXPECT_EQ(SetOut(99.99, 0), "S   PK=99.9900   !Picket outside of the line!");
    EXPECT_EQ(SetOut(std::nan(""), 0), "S   PK=NAN   !Picket outside of the line!");
    EXPECT_EQ(SetOut(2182.23, 700), "S   PK=2182.2300   !Offset beyond the centre of VU2!");
    EXPECT_EQ(StoredRouteDescription(), "Line START-VU1-VU2-END, PK 100.0000 to 3259.7809");
}

// Points set out at random pickets and offsets on generated lines come back from
// the trace on the line within 1e-6 (away from the hair of the spiral series at
// KSK), and each traced point's figures are its element's own trace's; points
// a little before START or beyond END are outside for both.
TEST_F(LineOfPoints, SetOutPointsTraceBack) {
    LinearDecimals = MaxLinearDecimals;
    for (long input = 0; input < 60; ++input) {
        RandomInput in(13, 1, input);
        const IpLine ip = ReadIpLine(GeneratedLine(in));
        TheLineSession().SetLine(ip.line);
        const Route& line = ip.route;
        std::vector<std::string> points;
        std::vector<std::pair<double, double>> setOut;
        for (int k = 0; k < 25; ++k) {
            const double PK = in.Uniform(line.start.PK, line.end.PK), d = in.Uniform(-20, 20);
            bool nearKsk = false;
            for (const RouteCurve& c : line.curves)
                nearKsk = nearKsk || AbsValue(PK - c.KSK1.PK) < 0.05 || AbsValue(PK - c.KSK2.PK) < 0.05;
            const std::string result = SetOut(PK, d);
            if (nearKsk || result.find('!') != std::string::npos) continue;
            points.push_back("P" + std::to_string(k) + " " + FormatNumber(store[StoredValue::Y_pz]) + " " +
                             FormatNumber(store[StoredValue::X_pz]));
            setOut.push_back({PK, d});
        }
        points.push_back("B " + std::string(FormatNumber(line.start.Y - 1e-3 * line.curves[0].in.sinA)) +
                         " " + FormatNumber(line.start.X - 1e-3 * line.curves[0].in.cosA));
        points.push_back("E " + std::string(FormatNumber(line.end.Y + 1e-3 * line.curves.back().out.sinA)) +
                         " " + FormatNumber(line.end.X + 1e-3 * line.curves.back().out.cosA));
        const std::map<std::string, std::string> traced = TracedLines(TracePointsOnRoute(ip.line, Lines(points)).report);
        for (std::size_t k = 0; k + 2 < points.size(); ++k) {
            const std::string name = points[k].substr(0, points[k].find(' '));
            const std::string& report = traced.at(name);
            double PK = 0, d = 0;
            ASSERT_EQ(std::sscanf(report.c_str(), "%*s PK=%lf d=%lf", &PK, &d), 2) << report;
            EXPECT_NEAR(PK, setOut[k].first, Tolerance) << input << " " << report;
            EXPECT_NEAR(d, setOut[k].second, Tolerance) << input << " " << report;
        }
        EXPECT_EQ(traced.at("B"), "B   !Point outside of the line!") << input;
        EXPECT_EQ(traced.at("E"), "E   !Point outside of the line!") << input;
        for (double outside : {line.start.PK - 1e-3, line.end.PK + 1e-3})
            EXPECT_TRUE(SetOut(outside, 0).ends_with("   !Picket outside of the line!")) << input;
        if (HasFailure()) return;
    }
}

// With a profile: points set out at random pickets and offsets on generated lines,
// surveyed at the design level the set-out gives them, trace back to the same
// picket and the same design level (dH 0), and every level is compared. (A line
// that turns back may pass nearer a point than the element it was set out from:
// the trace takes the nearer, and such a point is passed over.)
TEST_F(LineOfPoints, SetOutPointsTraceBackToTheirDesignLevel) {
    LinearDecimals = MaxLinearDecimals;
    for (long input = 0; input < 40; ++input) {
        RandomInput in(16, 1, input);
        const IpLine ip = ReadIpLine(GeneratedLine(in));
        TheLineSession().SetLine(ip.line);
        const Route& line = ip.route;
        const std::optional<VerticalProfile> profile =
            ReadRouteProfile(Lines(GeneratedProfile(in, line.start.PK - 5, line.end.PK + 5))).profile;
        ASSERT_TRUE(profile.has_value()) << input;
        TheLineSession().SetProfile(*profile);
        std::vector<std::string> points;
        struct Point {
            double PK, d, H;
        };
        std::vector<Point> setOut;
        for (int k = 0; k < 25; ++k) {
            const double PK = in.Uniform(line.start.PK, line.end.PK), d = in.Uniform(-20, 20);
            bool nearKsk = false;
            for (const RouteCurve& c : line.curves)
                nearKsk = nearKsk || AbsValue(PK - c.KSK1.PK) < 0.05 || AbsValue(PK - c.KSK2.PK) < 0.05;
            double H = 0;
            const std::string result = SetOut(PK, d);
            if (nearKsk || result.find('!') != std::string::npos) continue;
            ASSERT_EQ(std::sscanf(result.c_str(), "%*s PK=%*s d=%*s Y=%*s X=%*s H=%lf", &H), 1) << result;
            points.push_back("P" + std::to_string(k) + " " + FormatNumber(store[StoredValue::Y_pz]) + " " +
                             FormatNumber(store[StoredValue::X_pz]) + " " + FormatNumber(H));
            setOut.push_back({PK, d, H});
        }
        const std::string report = TracePointsOnRoute(ip.line, Lines(points), &*profile).report;
        const std::map<std::string, std::string> traced = TracedLines(report);
        for (std::size_t k = 0; k < points.size(); ++k) {
            const std::string& traceLine = traced.at(points[k].substr(0, points[k].find(' ')));
            double PK = 0, d = 0, Hd = 0, dH = 0;
            ASSERT_EQ(std::sscanf(traceLine.c_str(), "%*s PK=%lf d=%lf Hd=%lf dH=%lf", &PK, &d, &Hd, &dH), 4)
                << traceLine;
            if (AbsValue(d) < AbsValue(setOut[k].d) - Tolerance) continue;
            EXPECT_NEAR(PK, setOut[k].PK, Tolerance) << input << " " << traceLine;
            EXPECT_NEAR(Hd, setOut[k].H, Tolerance) << input << " " << traceLine;
            EXPECT_NEAR(dH, 0, Tolerance) << input << " " << traceLine;
        }
        EXPECT_TRUE(report.ends_with(" skipped, " + std::to_string(points.size()) + " levels compared\r\n") ||
                    points.size() == 1)
            << report;
        if (HasFailure()) return;
    }
}

// Beyond PEND the line goes on: a picket there is set out, and a point there
// traced, with the level outside of the profile, and the dialog's H is empty.
TEST_F(LineOfPoints, PicketsBeyondTheProfile) {
    TheLineSession().SetLine(ReadIpLine(Example).line);
    const std::optional<VerticalProfile> profile =
        ReadRouteProfile(Lines({"PSTART 100 210.5", "PEND 3250 212.4"})).profile;
    ASSERT_TRUE(profile.has_value());
    TheLineSession().SetProfile(*profile);
    const std::string point = SetOut(3255, 1);
    EXPECT_TRUE(point.ends_with("   !Level outside of the profile!   straight VU2-END")) << point;
    EXPECT_EQ(out.ResultField(IDC_H_SO), "");
    const std::string survey = "B " + std::string(FormatNumber(store[StoredValue::Y_pz])) + " " +
                               FormatNumber(store[StoredValue::X_pz]) + " 212.5";
    const std::string report = TracePointsOnRoute(*TheLineSession().Line(), Lines({survey}), &*profile).report;
    EXPECT_EQ(report.substr(report.find("\r\nB") + 2),
              "B   PK=3255.0000   d=1.0000   !Level outside of the profile!   straight VU2-END\r\n"
              "Points: 1 traced, 0 outside, 0 skipped, 0 levels compared\r\n");
    // 210.5 + 1700 (212.4 - 210.5) / 3150 on the one grade.
    EXPECT_TRUE(SetOut(1800, 0).find("   H=211.5254   straight VU1-VU2") != std::string::npos);
    EXPECT_EQ(out.ResultField(IDC_H_SO), "211.5254");
}

} // namespace
