// Pictures of the line without a window: the round scale of a printed plan, the grid
// interval (a table and a property over generated spans), the text of grid values,
// fitting and zooming a view, the track's sampling within its tolerance (the worked
// example's line at several tolerances, and generated lines), the pickets placed on
// the line, the element bands of the chart and labels kept apart.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "numeric/arithmetic.h"
#include "pictures/ground_view.h"
#include "pictures/label_placement.h"
#include "pictures/offset_chart.h"
#include "pictures/polyline_clip.h"
#include "pictures/round_numbers.h"
#include "pictures/route_marks.h"
#include "pictures/track_sampling.h"
#include "property/random_input.h"
#include "route/ip_line.h"
#include "route/route.h"

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(RoundScale, FirstRoundNumberNotBelowTheLeast) {
    const struct {
        double least, N;
    } cases[] = {{1, 1},       {1.0001, 2},   {2, 2},     {2.01, 2.5}, {2.5, 2.5}, {3, 5},       {5, 5},
                 {5.5, 10},    {999.9, 1000}, {1000, 1000}, {1001, 2000}, {2400, 2500}, {2501, 5000},
                 {0.3, 0.5},   {0.07, 0.1},   {123456, 200000}, {0, 1},   {-5, 1},    {NaN, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundScaleDenominator(c.least), c.N) << c.least;
}

// Any span, far from or across zero: the interval is 1, 2 or 5 times a power of ten,
// gives 4 to 10 lines, and the next smaller round interval would give more than 10.
TEST(GridLines, FourToTenLinesAtTheLeastRoundInterval) {
    for (long input = 0; input < 20000; ++input) {
        RandomInput in(24, 0, input);
        const double span = std::pow(10.0, in.Uniform(-3, 7));
        const double lo = (in.Percent(50) ? -1 : 1) * span * in.Uniform(0, in.Percent(50) ? 2 : 1e4);
        const double hi = lo + span;
        const double interval = GridInterval(lo, hi);
        const std::size_t lines = GridValues(lo, hi, interval).size();
        ASSERT_GE(lines, 4u) << lo << " to " << hi << " at " << interval;
        ASSERT_LE(lines, 10u) << lo << " to " << hi << " at " << interval;
        const int k = static_cast<int>(std::floor(std::log10(interval) + 1e-9));
        const double mantissa = interval / IntPower(10, k);
        ASSERT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9)
            << interval;
        const double smaller = std::abs(mantissa - 1) < 1e-9 ? interval / 2 : (std::abs(mantissa - 2) < 1e-9 ? interval / 2 : interval * 2 / 5);
        ASSERT_GT(std::floor(hi / smaller) - std::ceil(lo / smaller) + 1, 10) << lo << " to " << hi;
    }
}

TEST(GridLines, ScaleBarLength) {
    const struct {
        double most, length;
    } cases[] = {{1, 1}, {0.999, 0.5}, {4.9, 2}, {5, 5}, {999, 500}, {1000, 1000}, {1999, 1000}, {0.03, 0.02},
                 {0, 1}, {NaN, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundLengthAtMost(c.most), c.length) << c.most;
}

// ---- The view ----

GroundExtent Extent(double minY, double maxY, double minX, double maxX) {
    GroundExtent e;
    e.Include({minY, minX});
    e.Include({maxY, maxX});
    return e;
}

TEST(GroundViewTest, FittingTable) {
    const struct {
        GroundExtent extent;
        DrawingArea area;
        double unitsPerMetre, Yc, Xc;
    } cases[] = {
        // The worked example (START 5000/2000 to END 6250/4800) in a window: the height rules.
        {Extent(5000, 6250, 2000, 4800), {0, 0, 1000, 800}, 800 * 0.84 / 2800, 5625, 3400},
        // A wide extent in a tall area: the width rules.
        {Extent(0, 1000, 0, 10), {10, 20, 500, 900}, 500 * 0.84 / 1000, 500, 5},
        // One point: shown about it at one unit per metre.
        {Extent(7, 7, 9, 9), {0, 0, 300, 200}, 1, 7, 9},
    };
    for (const auto& c : cases) {
        const GroundView view = FitView(c.extent, c.area);
        EXPECT_DOUBLE_EQ(view.unitsPerMetre, c.unitsPerMetre);
        EXPECT_DOUBLE_EQ(view.Yc, c.Yc);
        EXPECT_DOUBLE_EQ(view.Xc, c.Xc);
        // The extent's corners fall inside the area, north up and east right.
        const DevicePoint low = ToDevice(view, c.area, {c.extent.minY, c.extent.minX});
        const DevicePoint high = ToDevice(view, c.area, {c.extent.maxY, c.extent.maxX});
        EXPECT_GE(low.x, c.area.left);
        EXPECT_LE(high.x, c.area.left + c.area.width);
        EXPECT_LE(low.y, c.area.top + c.area.height);
        EXPECT_GE(high.y, c.area.top);
        EXPECT_LE(low.x, high.x);
        EXPECT_GE(low.y, high.y);
    }
}

TEST(GroundViewTest, ZoomKeepsTheGroundUnderThePointerAndPanFollowsIt) {
    const DrawingArea area{5, 7, 640, 480};
    const GroundView view{5625, 3400, 0.25};
    const DevicePoint pointer{100, 400};
    const GroundPoint held = ToGround(view, area, pointer);
    for (double factor : {1.25, 0.8, 1e3}) {
        const GroundView zoomed = ZoomAbout(view, area, pointer, factor);
        const DevicePoint now = ToDevice(zoomed, area, held);
        EXPECT_NEAR(now.x, pointer.x, 1e-6) << factor;
        EXPECT_NEAR(now.y, pointer.y, 1e-6) << factor;
    }
    EXPECT_EQ(ZoomAbout(view, area, pointer, 1e30).unitsPerMetre, GreatestUnitsPerMetre);
    const GroundView panned = PanBy(view, 30, -20);
    const DevicePoint moved = ToDevice(panned, area, held);
    EXPECT_NEAR(moved.x, pointer.x + 30, 1e-9);
    EXPECT_NEAR(moved.y, pointer.y - 20, 1e-9);
}

// ---- The track ----

IpTable ExampleTable() {
    IpTable t;
    t.PK_start = 100, t.Y_start = 5000, t.X_start = 2000;
    t.ips = {{"VU1", 2, 5600, 2800, 800, 100}, {"VU2", 3, 5650, 3900, 600, 0}};
    t.Y_end = 6250, t.X_end = 4800;
    return t;
}

// The distance from p to the segment ab.
double SegmentDistance(GroundPoint p, GroundPoint a, GroundPoint b) {
    const double dy = b.Y - a.Y, dx = b.X - a.X, length2 = dy * dy + dx * dx;
    double t = length2 > 0 ? ((p.Y - a.Y) * dy + (p.X - a.X) * dx) / length2 : 0;
    t = std::fmax(0, std::fmin(1, t));
    return std::hypot(p.Y - (a.Y + t * dy), p.X - (a.X + t * dx));
}

double DistanceToPolyline(GroundPoint p, const std::vector<GroundPoint>& line) {
    double least = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i + 1 < line.size(); ++i)
        least = std::fmin(least, SegmentDistance(p, line[i], line[i + 1]));
    return least;
}

// The true line's points, 400 per curve element (by its kernel's own point at a
// station, not its sampling), and the largest distance of any from its element's
// polyline.
double WorstDeparture(const Alignment& line, const std::vector<TrackPiece>& pieces) {
    double worst = 0;
    for (const TrackPiece& piece : pieces) {
        if (piece.kind == AlignmentElementKind::Straight) continue;
        const AlignmentElement& e = line.elements[piece.element];
        for (int i = 0; i <= 400; ++i) {
            const PlanePoint p = e.kernel->PointAtStation(e.drawFrom + i / 400.0 * (e.drawTo - e.drawFrom));
            worst = std::fmax(worst, DistanceToPolyline({p.Y, p.X}, piece.points));
        }
    }
    return worst;
}

std::size_t PointCount(const std::vector<TrackPiece>& pieces) {
    std::size_t n = 0;
    for (const TrackPiece& piece : pieces)
        n += piece.points.size();
    return n;
}

// Tolerances of a screen at fit and zoomed in, and of paper at 1:500 to 1:10000:
// within each, and not sampled much finer than it needs (a fourth of the tolerance
// needs about twice the points).
TEST(TrackSampling, WorkedExampleWithinEachTolerance) {
    const RouteBuild build = BuildRoute(ExampleTable());
    ASSERT_TRUE(build.refusal.empty());
    const Route& route = build.line;
    const Alignment line = BuildIpLine(route);
    for (double tolerance : {2.0, 0.5, 0.05, 0.001, 0.0000125}) {
        const std::vector<TrackPiece> pieces = SampleRoute(line, tolerance);
        ASSERT_EQ(pieces.size(), 7u);
        EXPECT_LE(WorstDeparture(line, pieces), tolerance) << tolerance;
        EXPECT_GT(WorstDeparture(line, pieces), tolerance / 8) << tolerance << " sampled too finely";
        const std::size_t quarter = PointCount(SampleRoute(line, tolerance / 4));
        EXPECT_LE(quarter, 2 * PointCount(pieces) + 7) << tolerance;
    }
    // The pieces join at the main points exactly, in line order.
    const std::vector<TrackPiece> pieces = SampleRoute(line, 0.01);
    const RouteCurve& vu1 = route.curves[0];
    const MainPoint joins[] = {route.start, vu1.NSK1, vu1.KSK1, vu1.KSK2, vu1.NSK2, route.curves[1].NSK1,
                               route.curves[1].NSK2};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_EQ(pieces[i].points.front().Y, joins[i].Y) << i;
        EXPECT_EQ(pieces[i].points.front().X, joins[i].X) << i;
    }
    EXPECT_EQ(pieces.back().points.back().Y, line.end.Y);
}

// A line of 1 to 8 IPs turning either way, R 150 to 3000, L 0 to 200.
IpTable GeneratedTable(RandomInput& in) {
    IpTable t;
    double Y = in.Uniform(-1e5, 1e5), X = in.Uniform(-1e5, 1e5), direction = in.Uniform(0, 6.28);
    t.PK_start = in.Uniform(0, 1e4), t.Y_start = Y, t.X_start = X;
    const int n = 1 + in.Below(8);
    double lastT = 0;
    for (int i = 0; i <= n; ++i) {
        const double turn = (in.Percent(50) ? 1 : -1) * in.Uniform(0.05, 2.5);
        const double R = in.Uniform(150, 3000);
        const double L = in.Percent(25) ? 0 : std::fmin(in.Uniform(0, 200), 0.9 * R * std::abs(turn));
        const double T = i < n ? R * std::tan(std::abs(turn) / 2) + L : 0;
        const double leg = lastT + T + in.Uniform(1, 500);
        Y += leg * std::sin(direction), X += leg * std::cos(direction);
        if (i < n) t.ips.push_back({"V" + std::to_string(i), i + 2, Y, X, R, L});
        direction += turn, lastT = T;
    }
    t.Y_end = Y, t.X_end = X;
    return t;
}

TEST(TrackSampling, GeneratedLinesWithinTolerance) {
    for (long input = 0; input < 60; ++input) {
        RandomInput in(24, 1, input);
        const RouteBuild build = BuildRoute(GeneratedTable(in));
        ASSERT_TRUE(build.refusal.empty()) << input << ": " << build.refusal;
        const double tolerance = std::pow(10.0, in.Uniform(-5, 0.5));
        const Alignment line = BuildIpLine(build.line);
        EXPECT_LE(WorstDeparture(line, SampleRoute(line, tolerance)), tolerance) << input;
        // Pickets of main points fall on them (to a hundredth of a millimetre).
        for (const RouteCurve& c : build.line.curves)
            for (const MainPoint* p : {&c.NSK1, &c.KSK1, &c.SK, &c.KSK2, &c.NSK2}) {
                const GroundPoint at = RoutePointAtPicket(line, p->PK);
                EXPECT_NEAR(at.Y, p->Y, 1e-5) << input << " " << c.name << " PK " << p->PK;
                EXPECT_NEAR(at.X, p->X, 1e-5) << input << " " << c.name << " PK " << p->PK;
            }
        if (HasFailure()) return;
    }
}

// ---- Marks, ticks and bands ----

TEST(PlanMarks, WorkedExampleMarksTicksAndBands) {
    const Alignment line = BuildIpLine(BuildRoute(ExampleTable()).line);
    std::string labels;
    for (const PlanMark& m : RouteMarks(line))
        labels += m.label + " ";
    EXPECT_EQ(labels, "START VU1 NSK1 KSK1 SK KSK2 NSK2 VU2 NSK1 KSK1 SK KSK2 NSK2 END ");
    const std::vector<PicketTick> ticks = PicketTicks(line);
    ASSERT_EQ(ticks.size(), 32u); // 100 to 3200
    EXPECT_EQ(ticks[0].label, "100");
    EXPECT_EQ(ticks.back().label, "3200");
    // PK 300 on the first straight: 200 from START toward VU1 (600, 800 of 1000).
    EXPECT_NEAR(ticks[2].at.Y, 5120, 1e-9);
    EXPECT_NEAR(ticks[2].at.X, 2160, 1e-9);
    EXPECT_NEAR(ticks[2].sinA, 0.6, 1e-9);
    std::string bands;
    for (const ChartBand& b : RouteBands(line))
        bands += b.name + "|";
    EXPECT_EQ(bands, "straight|spiral VU1|circle VU1|spiral VU1|straight|circle VU2|straight|");
}

TEST(PlanMarks, ChartPanelsForTheTrace) {
    const Alignment line = BuildIpLine(BuildRoute(ExampleTable()).line);
    std::vector<TracedRoutePoint> points = {{"P1", 0, 0, 300, 1.5, "", {}}, {"P2", 0, 0, 853.3605, -2, "", {}}};
    std::vector<ChartPanel> panels = ChartPanels(line, points, {0, 0, 1000, 400});
    ASSERT_EQ(panels.size(), 1u);
    // |d| up to 2, a tenth beyond: 2.2, ticks of 0.5, rounded out to 2.5.
    EXPECT_EQ(panels[0].lo, -2.5);
    EXPECT_EQ(panels[0].hi, 2.5);
    EXPECT_EQ(panels[0].interval, 0.5);
    EXPECT_EQ(panels[0].PKinterval, 500);
    const DevicePoint zero = ChartToDevice(panels[0], 100, 0);
    EXPECT_EQ(zero.x, 0);
    EXPECT_EQ(zero.y, 200);
    points[1].dH = 0.012;
    panels = ChartPanels(line, points, {0, 0, 1000, 400});
    ASSERT_EQ(panels.size(), 2u);
    EXPECT_STREQ(panels[1].valueName, "dH");
    EXPECT_GT(panels[1].area.top, panels[0].area.top + panels[0].area.height);
}

// Every band shown is named: in place where its name fits, else by a key whose
// meaning the legend gives (neighbours too close for a key of their own share one);
// zoomed in along the pickets, the same bands are named in place.
TEST(PlanMarks, ChartBandsNamedInPlaceOrInTheLegend) {
    using K = AlignmentElementKind;
    const std::vector<ChartBand> bands = {{K::Straight, 0, 100, "straight"},
                                          {K::Spiral, 100, 103, "spiral VU1"},
                                          {K::Arc, 103, 110, "circle VU1"},
                                          {K::Spiral, 110, 113, "spiral VU1"},
                                          {K::Straight, 113, 1000, "straight"}};
    const auto width = [](const std::string& text) { return 6.0 * static_cast<double>(text.size()); };
    const auto texts = [](const BandNaming& naming) {
        std::string all;
        for (const BandLabel& label : naming.above)
            all += label.text + "@" + std::to_string(static_cast<int>(label.x)) + " ";
        return all;
    };
    BandNaming whole = NameBands(bands, {0, 1000}, 0, 1000, 6, width);
    EXPECT_EQ(texts(whole), "straight@50 1@101 straight@556 ");
    EXPECT_EQ(whole.legendRows, std::vector<std::string>{"1 spiral VU1, circle VU1, spiral VU1"});
    BandNaming zoomed = NameBands(bands, {95, 120}, 0, 1000, 6, width);
    EXPECT_EQ(texts(zoomed), "straight@100 spiral VU1@260 circle VU1@460 spiral VU1@660 straight@860 ");
    EXPECT_TRUE(zoomed.legendRows.empty());
    // The panels over the pickets zoomed to.
    const std::vector<ChartPanel> panels = ChartPanels(ChartPickets{500, 700}, {}, {0, 0, 1000, 400});
    ASSERT_EQ(panels.size(), 1u);
    EXPECT_EQ(ChartToDevice(panels[0], 600, 0).x, 500);
}

TEST(Labels, KeptApartOrLeftOut) {
    // Four labels at one marker take the four places around it; the fifth finds
    // every other place overlapping one of them and is left out; a label at a NaN
    // marker gets none; one at the area's edge keeps inside it, one beyond it gets
    // none.
    std::vector<LabelRequest> requests(5, LabelRequest{{100, 100}, 30, 10});
    requests.push_back({{NaN, 0}, 30, 10});
    requests.push_back({{5, 100}, 30, 10}); // at the area's edge: only its right place is inside
    requests.push_back({{250, 100}, 30, 10}); // outside the area
    const auto boxes = PlaceLabels(requests, 2, {0, 0, 200, 200});
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(boxes[i].has_value()) << i;
        const LabelBox expected = LabelPlace(requests[i], i, 2);
        EXPECT_EQ(boxes[i]->left, expected.left) << i;
        EXPECT_EQ(boxes[i]->top, expected.top) << i;
    }
    EXPECT_FALSE(boxes[4].has_value());
    EXPECT_FALSE(boxes[5].has_value());
    ASSERT_TRUE(boxes[6].has_value());
    EXPECT_EQ(boxes[6]->left, 7);
    EXPECT_FALSE(boxes[7].has_value());
}

} // namespace

namespace {
// A polyline through the box and out and in again gives two runs cut at its edges;
// one wholly inside is kept whole; one wholly outside gives none.
} // namespace
