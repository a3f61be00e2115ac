// The line in three dimensions: the worked example's profile and its design levels
// and cant at pickets, the profile tables that are refused (each reason once), and
// the level over generated profiles (continuous, with the grades as its slope, at
// every curve's ends; Hc at every PVI).
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "calculator_run.h"
#include "property/generated_profile.h"
#include "route/ip_line.h"
#include "route/route.h"
#include "route/route_profile.h"
#include "selection_lines.h"

namespace {

const std::vector<std::string> ExampleLine = {"START 100.000 5000.000 2000.000",
                                              "IP VU1 5600.000 2800.000 800 100 90",
                                              "IP VU2 5650.000 3900.000 600 0", "END 6250.000 4800.000"};
const std::vector<std::string> ExampleProfile = {"PSTART 100.000 210.500", "PVI VP1 900.000 214.500 12000",
                                                 "PVI VP2 1800.000 209.100 15000",
                                                 "PVI VP3 2700.000 209.100 0", "PEND 3250.000 212.400"};

std::string LevelText(const std::optional<double>& H) {
    return H ? LinearText(*H) : "!Level outside of the profile!";
}

class ProfileTest : public CalculatorTest {};

TEST_F(ProfileTest, WorkedExampleProfile) {
    const RouteProfile read = ReadRouteProfile(Lines(ExampleProfile));
    ASSERT_TRUE(read.profile.has_value()) << read.report;
    const struct {
        const char* name;
        std::vector<std::string> figures; // PK H Rv i1 i2 Tv Kv Bv Hc, NVK PK H, KVK PK H
    } rows[] = {
        {"VP1",
         {"900.0000", "214.5000", "12000.0000", "5.0000", "-6.0000", "66.0000", "132.0000", "0.1815",
          "214.3185", "834.0000", "214.1700", "966.0000", "214.1040"}},
        {"VP2",
         {"1800.0000", "209.1000", "15000.0000", "-6.0000", "0.0000", "45.0000", "90.0000", "0.0675",
          "209.1675", "1755.0000", "209.3700", "1845.0000", "209.1000"}},
        {"VP3",
         {"2700.0000", "209.1000", "0.0000", "0.0000", "6.0000", "0.0000", "0.0000", "0.0000", "209.1000",
          "2700.0000", "209.1000", "2700.0000", "209.1000"}},
    };
    const VerticalProfile& profile = *read.profile;
    ASSERT_EQ(profile.pvis.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const ProfilePvi& p = profile.pvis[i];
        EXPECT_EQ(p.name, rows[i].name);
        const std::vector<double> values = {p.at.PK, p.at.H, p.Rv,     1000 * p.i1, 1000 * p.i2, p.Tv,   p.Kv,
                                            p.Bv,    p.Hc,   p.NVK.PK, p.NVK.H,     p.KVK.PK,    p.KVK.H};
        std::vector<std::string> figures;
        for (double v : values)
            figures.push_back(LinearText(v));
        EXPECT_EQ(figures, rows[i].figures) << p.name;
    }
    EXPECT_EQ(LinearText(profile.end.PK - profile.start.PK), "3150.0000");
}

TEST_F(ProfileTest, WorkedExampleLevelsAndCant) {
    const RouteBuild route = BuildRoute(ReadIpTable(Lines(ExampleLine)).table);
    const std::optional<VerticalProfile> profile = ReadRouteProfile(Lines(ExampleProfile)).profile;
    ASSERT_TRUE(route.refusal.empty() && profile.has_value());
    const Alignment line = BuildIpLine(route.line);
    const RouteCurve& vu1 = route.line.curves[0];
    const struct {
        double PK;
        const char *H, *h;
    } rows[] = {
        {100, "210.5000", "0.0000"},
        {850, "214.2393", "41.9767"},
        {vu1.NSK1.PK + 40, "214.2131", "35.9906"},
        {vu1.SK.PK, "213.3444", "90.0000"},
        {vu1.NSK2.PK - 25, "211.7588", "22.4941"},
        {1800, "209.1675", "0.0000"},
        {2700, "209.1000", "0.0000"},
        {3300, "!Level outside of the profile!", "0.0000"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(LevelText(DesignLevel(*profile, row.PK)), row.H) << row.PK;
        EXPECT_EQ(LinearText(DesignCant(line, row.PK)), row.h) << row.PK;
    }
}

// Each reason once; the report is the title and the one line, and nothing is kept.
TEST_F(ProfileTest, RefusedTables) {
    const std::string start = "PSTART 0 100", end = "PEND 1000 100";
    const struct {
        std::vector<std::string> lines;
        const char* reason;
    } cases[] = {
        {{"PVI A 500 110 0", end}, "the PVI of line 1 comes before the PSTART line"},
        {{end, start}, "the PEND line comes before the PSTART line"},
        {{start, "PVI A 500 110 0"}, "there is no PEND line"},
        {{"x"}, "there is no PSTART line"},
        {{start, start, end}, "line 2 is a second PSTART line"},
        {{start, "PVI A 500 110 0", start, end}, "line 3 is a second PSTART line"},
        {{start, end, "PEND 2000 1"}, "line 3 is a second PEND line"},
        {{start, end, "PVI A 500 110 0"}, "the PVI of line 3 comes after the PEND line"},
        {{start, "PVI A 500 110", end}, "line 2 lacks Rv: PVI needs a name, PK, H and Rv"},
        {{start, "PVI", end}, "line 2 lacks a name: PVI needs a name, PK, H and Rv"},
        {{"PSTART 0", end}, "line 1 lacks H: PSTART needs PK and H"},
        {{start, "PVI A 500 110,5 0", end},
         "line 2: the H field \"110,5\" is not a number (write a decimal point)"},
        {{start, "PVI A 500 11O 0", end}, "line 2: the H field \"11O\" is not a number"},
        {{start, "PVI A 500 110 inf", end}, "line 2: the Rv field \"inf\" is not a finite number"},
        {{start, "PVI A 500 110 0", "PVI B 500 120 0", end}, "the pickets of A and B do not increase"},
        {{start, "PVI A -1 110 0", end}, "the pickets of PSTART and A do not increase"},
        {{start, "PVI A 500 110 -1", end}, "the Rv of A is below 0"},
        {{start, "PVI A 300 110 0", "PVI A 600 110 0", end}, "two PVIs are named A (line 2 and line 3)"},
        {{start, "PVI A 1 1e308 0", "PEND 2 -1e308"},
         "line 2: the H field \"1e308\" lies beyond what track can have (-100000 to 100000)"},
        // Grades of 20, 0 and -20 thousandths: Tv = 1000 * 0.02 / 2 = 10 on 15 m.
        {{start, "PVI A 400 108 1000", "PVI B 415 108 1000", "PVI C 600 104.3 0", end},
         "the vertical curves of A and B overlap by 5.0000"},
        {{start, "PVI A 5 100.1 1000", "PVI B 500 100.1 0", end},
         "the vertical curve of A reaches past PSTART"},
        {{start, "PVI A 995 100 1000", "PEND 1000 100.1"}, "the vertical curve of A reaches past PEND"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const RouteProfile read = ReadRouteProfile(Lines(c.lines));
        EXPECT_FALSE(read.profile.has_value());
        EXPECT_EQ(read.report,
                  std::string("\r\nProfile of the line\r\n!Profile not read: ") + c.reason + "!\r\n");
    }
    std::vector<std::string> tooMany = {"PSTART 0 0"};
    for (int i = 1; i <= MaxProfilePvis + 1; ++i)
        tooMany.push_back("PVI V" + std::to_string(i) + " " + std::to_string(i) + " 0 0");
    tooMany.push_back("PEND 20000 0");
    EXPECT_EQ(ReadRouteProfile(Lines(tooMany)).report,
              "\r\nProfile of the line\r\n!Profile not read: the profile has more than 10000 PVIs!\r\n");
}

// Over generated profiles: at every curve's ends the level runs on without a step
// and with the grade's slope; at the PVI it is Hc; at PSTART and PEND their levels.
TEST_F(ProfileTest, LevelIsContinuousWithTheGradesAtEveryCurve) {
    constexpr double Tolerance = 1e-9, SlopeTolerance = 1e-6, Step = 1e-4;
    for (long input = 0; input < 200; ++input) {
        RandomInput in(14, 0, input);
        const RouteProfile read = ReadRouteProfile(Lines(GeneratedProfile(in)));
        ASSERT_TRUE(read.profile.has_value()) << input << read.report;
        const VerticalProfile& profile = *read.profile;
        const auto H = [&](double PK) { return DesignLevel(profile, PK).value(); };
        EXPECT_NEAR(H(profile.start.PK), profile.start.H, Tolerance) << input;
        EXPECT_NEAR(H(profile.end.PK), profile.end.H, 1e-8) << input;
        for (const ProfilePvi& p : profile.pvis) {
            const std::string what = "input " + std::to_string(input) + " " + p.name;
            EXPECT_NEAR(H(p.at.PK), p.Hc, Tolerance) << what;
            // The slope on either side of each end: the grade outside, the curve's
            // tangent (the same grade) inside, where there is a curve.
            const auto slope = [&](double from, double to) { return (H(to) - H(from)) / (to - from); };
            EXPECT_NEAR(slope(p.NVK.PK - Step, p.NVK.PK), p.i1, SlopeTolerance) << what;
            EXPECT_NEAR(slope(p.KVK.PK, p.KVK.PK + Step), p.i2, SlopeTolerance) << what;
            if (p.Tv > 0) {
                EXPECT_NEAR(slope(p.NVK.PK, p.NVK.PK + Step), p.i1, SlopeTolerance) << what;
                EXPECT_NEAR(slope(p.KVK.PK - Step, p.KVK.PK), p.i2, SlopeTolerance) << what;
            }
            for (const ProfileLevel& end : {p.NVK, p.KVK}) {
                EXPECT_NEAR(H(std::nextafter(end.PK, -INFINITY)), end.H, Tolerance) << what;
                EXPECT_NEAR(H(std::nextafter(end.PK, INFINITY)), end.H, Tolerance) << what;
            }
        }
        if (HasFailure()) return;
    }
}

} // namespace
