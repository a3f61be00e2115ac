// The check of surveyed track against its design: the trace of points with
// measured cant and a TOL line, the TOL lines refused, the main points among a
// run's pickets and the points written for the instrument.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator_run.h"
#include "elements/set_out_run.h"
#include "route/ip_line.h"
#include "route/line_session.h"
#include "route/points_export.h"
#include "route/route.h"
#include "route/route_point_trace.h"
#include "route/route_profile.h"
#include "selection_lines.h"

namespace {

class TrackCheck : public CalculatorTest {
  protected:
    void TearDown() override {
        TheLineSession().Clear();
        CalculatorTest::TearDown();
    }
};

// A straight line north along Y = 1000 from PK 0, a profile rising 1 in 100 from
// 100 m: Hd = 100 + PK / 100. A worked set traced: d is Y less 1000; dH is H less
// Hd; the line has no cant, so dh is hm.
//   d: 0.012 - 0.025 + 0.007 + 0.030 = 0.024, mean 0.006; squares 0.000144 + 0.000625
//   + 0.000049 + 0.0009 = 0.001718, /4 = 0.0004295, root 0.020724.
//   dh: 3 - 2 + 6 = 7, mean 2.33333; 9 + 4 + 36 = 49, /3 = 16.3333, root 4.04145.
TEST_F(TrackCheck, TraceWithMeasuredCantAndTolerances) {
    const RouteBuild build = BuildRoute(ReadIpTable(Lines({"START 0 1000 5000", "END 1000 6000"})).table);
    const Alignment line = BuildIpLine(build.line);
    const VerticalProfile profile = *ReadRouteProfile(Lines({"PSTART 0 100", "PEND 1000 110"})).profile;
    const RouteTrace trace = TracePointsOnRoute(line,
                                                Lines({
                                                    "T1 1000.012 5100 101.005 3",
                                                    "tol d=0.02 dh=5",
                                                    "T2 999.975 5200 101.990 -2",
                                                    "T3 1000.007 5300 - 6",
                                                    "T4 1000.030 5400 104.020",
                                                    "T5 0 0",
                                                    "TOL dH=0.015",
                                                    "TOL dH=0,01",
                                                }),
                                                &profile);
    // dH: 0.005, -0.010, 0.020: mean 0.005; 0.000025 + 0.0001 + 0.0004 = 0.000525,
    // /3 = 0.000175, root 0.013229. Tolerances 0.020, 0.015, 5: T2's d, T3's dh,
    // T4's d and dH are over.
    EXPECT_EQ(trace.report,
              "\r\nTrace of points on the line\r\n"
              "T1   PK=100.0000   d=0.0120   Hd=101.0000   dH=0.0050   hm=3.0000   dh=3.0000   straight START-END\r\n"
              "T2   PK=200.0000   d=-0.0250   Hd=102.0000   dH=-0.0100   hm=-2.0000   dh=-2.0000   straight "
              "START-END   !over: d!\r\n"
              "T3   PK=300.0000   d=0.0070   Hd=103.0000   hm=6.0000   dh=6.0000   straight START-END   !over: dh!\r\n"
              "T4   PK=400.0000   d=0.0300   Hd=104.0000   dH=0.0200   straight START-END   !over: d dH!\r\n"
              "T5   !Point outside of the line!\r\n"
              "! Line 8 skipped, \"0,01\" is not a number (write a decimal point): TOL dH=0,01\r\n"
              "d: n=4 min=-0.0250 (T2) max=0.0300 (T4) mean=0.0060 rms=0.0207 over=2\r\n"
              "dH: n=3 min=-0.0100 (T2) max=0.0200 (T4) mean=0.0050 rms=0.0132 over=1\r\n"
              "dh: n=3 min=-2.0000 (T2) max=6.0000 (T3) mean=2.3333 rms=4.0415 over=1\r\n"
              "Points: 4 traced, 1 outside, 1 skipped, 3 levels compared\r\n");
    ASSERT_TRUE(trace.tolerances.has_value());
    EXPECT_EQ(trace.tolerances->d, 0.02);
    EXPECT_EQ(trace.tolerances->dH, 0.015);
    EXPECT_EQ(trace.tolerances->dh, 5.0);
}

// Each reason a TOL line sets nothing, once.
TEST_F(TrackCheck, RefusedToleranceLines) {
    const struct {
        const char* line;
        const char* why;
    } cases[] = {
        {"TOL dz=3", "\"dz=3\" is no d=, dH= or dh="},
        {"TOL 0.02", "\"0.02\" is no d=, dH= or dh="},
        {"TOL d=-0.01", "\"-0.01\" is no tolerance"},
        {"TOL d=0.02 dH=x", "\"x\" is not a number"},
        {"TOL", ""},
        {"Tol dh=4 d=0.01", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_TRUE(IsToleranceLine(c.line));
        EXPECT_EQ(ToleranceLineRefusal(c.line), c.why);
    }
    EXPECT_FALSE(IsToleranceLine("TOLD 1 2"));
    EXPECT_FALSE(IsToleranceLine("P1 TOL 2"));
}

// The pickets of a run with named stations among them, in the run's direction,
// a named station after a picket at its station, those outside the run left out.
TEST_F(TrackCheck, NamedStationsAmongThePickets) {
    const std::vector<NamedStation> named = {{250, "SK"}, {120, "NSK1"}, {300, "KSK2"}, {99, "X"}, {400, "Y"}};
    const struct {
        double from, to, step;
        std::vector<std::string> stations;
    } cases[] = {
        {100, 300, 100, {"S-1 100", "NSK1 120", "S-2 200", "SK 250", "S-3 300", "KSK2 300"}},
        {300, 100, 100, {"S-1 300", "KSK2 300", "SK 250", "S-2 200", "NSK1 120", "S-3 100"}},
        {250, 250, 0, {"S 250", "SK 250"}},
        {130, 240, 0, {"S 130"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " " + std::to_string(c.to));
        std::vector<std::string> stations;
        for (const RunStation& s : StoredRunStations("S", RunPickets(c.from, c.to, c.step), named))
            stations.push_back(s.name + " " + std::to_string(static_cast<int>(s.PK)));
        EXPECT_EQ(stations, c.stations);
    }
}

// The file for the instrument (both orders of the coordinates are read back in the
// shell scenarios): names quoted as CSV needs, no level left empty, the last
// results (a set-out after a trace) written.
TEST_F(TrackCheck, PointsForTheInstrument) {
    const std::vector<ExportedPoint> points = {
        {"P1", 5234.1184, 6789.40216, 101.35}, {"a,b", -1, 2, std::nullopt}, {"say \"x\"", 0, 0, -0.5}};
    EXPECT_EQ(PointsCsv(points, CsvAxes::YX), "name,Y,X,H\r\n"
                                              "P1,5234.1184,6789.4022,101.3500\r\n"
                                              "\"a,b\",-1.0000,2.0000,\r\n"
                                              "\"say \"\"x\"\"\",0.0000,0.0000,-0.5000\r\n");

    LineSession session;
    EXPECT_TRUE(LastPointsOnLine(session).empty());
    session.KeepTrace({{"T1", 1, 2, 0, 0, "straight", std::nullopt, 7.5}});
    session.KeepSetOut({{10, 0, 3, 4, "S-1", std::nullopt}});
    ASSERT_EQ(LastPointsOnLine(session).size(), 1u);
    EXPECT_EQ(LastPointsOnLine(session)[0].name, "S-1");
    session.KeepTrace({{"T1", 1, 2, 0, 0, "straight", std::nullopt, 7.5}});
    EXPECT_EQ(LastPointsOnLine(session)[0].H, 7.5);
    session.Clear();
    EXPECT_EQ(session.Last(), LastResults::None);
}

} // namespace
