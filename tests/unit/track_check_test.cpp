// The check of surveyed track against its design: the TOL lines refused and the
// points written for the instrument (the trace with its flags and summary, and
// the main points among a run's pickets, are checked through the real program).
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
