// The results the pictures of the line show, kept by the commands that make them:
// the worked example's survey traced on the line (the points traced, none of those
// outside), a run of pickets set out on it (the points set out, none refused), and
// both forgotten when another line is read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator_run.h"
#include "route/route_elements.h"
#include "route/route_point_trace.h"
#include "route/route_results.h"
#include "menu/route_set_out_calculator.h"

namespace {

std::vector<TextLine> Lines(const std::vector<std::string>& texts) {
    std::vector<TextLine> lines;
    int number = 1;
    for (const std::string& text : texts)
        lines.push_back({number++, text});
    return lines;
}

class KeptResults : public CalculatorTest {
  protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        TheStoredRoute = ReadRouteElements(Lines({"START 100.000 5000.000 2000.000", "IP VU1 5600.000 2800.000 800 100",
                                                  "IP VU2 5650.000 3900.000 600 0", "END 6250.000 4800.000"}))
                             .line;
        ForgetRouteResults();
    }
    void TearDown() override {
        TheStoredRoute.reset();
        ForgetRouteResults();
        CalculatorTest::TearDown();
    }
};

TEST_F(KeptResults, TraceAndSetOutOnTheLine) {
    ASSERT_TRUE(TheStoredRoute.has_value());
    EXPECT_FALSE(TheRouteResults.traced);
    TracePointsOnRoute(*TheStoredRoute, Lines({"P1 5121.200 2159.100", "P2 5450.188 2604.018", "P5 4990 1990",
                                               "P3 5565.244 2812.469", "P4 5668.794 3893.840"}));
    const struct {
        const char* name;
        double Y, X, PK, d;
        const char* element;
    } traced[] = {{"P1", 5121.200, 2159.100, 300.0000, 1.5000, "straight START-VU1"},
                  {"P2", 5450.188, 2604.018, 853.3605, -2.0000, "spiral in VU1"},
                  {"P3", 5565.244, 2812.469, 1092.6041, 0.7496, "circle VU1"},
                  {"P4", 5668.794, 3893.840, 2182.2296, -2.9996, "circle VU2"}};
    EXPECT_TRUE(TheRouteResults.traced);
    ASSERT_EQ(TheRouteResults.tracedPoints.size(), std::size(traced));
    for (std::size_t i = 0; i < std::size(traced); ++i) {
        const TracedRoutePoint& p = TheRouteResults.tracedPoints[i];
        EXPECT_EQ(p.name, traced[i].name);
        EXPECT_EQ(p.Y, traced[i].Y);
        EXPECT_EQ(p.X, traced[i].X);
        // The trace's own numbers, of which the report prints four decimals.
        EXPECT_NEAR(p.PK, traced[i].PK, 5e-5);
        EXPECT_NEAR(p.d, traced[i].d, 5e-5);
        EXPECT_EQ(p.element, traced[i].element);
        EXPECT_FALSE(p.dH.has_value());
    }

    // A run from 1370 to 1400 by 10 at d -1.5 (spiral out VU1 and the straight after
    // it), then a run before START: its one picket refused, nothing kept.
    store[StoredValue::PK_so] = 1370, store[StoredValue::d_so] = -1.5;
    store[StoredValue::PK_to] = 1400, store[StoredValue::step] = 10;
    RouteSetOutCalculator.compute(store);
    ASSERT_EQ(TheRouteResults.setOutPoints.size(), 4u);
    EXPECT_EQ(TheRouteResults.setOutPoints[1].PK, 1380);
    EXPECT_NEAR(TheRouteResults.setOutPoints[1].Y, 5611.8873, 5e-5);
    EXPECT_NEAR(TheRouteResults.setOutPoints[1].X, 3094.5554, 5e-5);
    store[StoredValue::PK_so] = 50, store[StoredValue::PK_to] = 50;
    RouteSetOutCalculator.compute(store);
    EXPECT_TRUE(TheRouteResults.setOutPoints.empty());
    EXPECT_EQ(TheRouteResults.tracedPoints.size(), 4u);

    const unsigned reads = TheRouteResults.lineReads;
    ForgetRouteResults();
    EXPECT_FALSE(TheRouteResults.traced);
    EXPECT_TRUE(TheRouteResults.tracedPoints.empty());
    EXPECT_EQ(TheRouteResults.lineReads, reads + 1);
}

} // namespace
