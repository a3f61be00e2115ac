// Values no track can have, non-finite texts and control bytes, as the readers of
// the line's tables meet them: each table refused in one line that names the line,
// the field and its text (control bytes shown as "?"), before any report could
// print a NAN, an INF or an absurd figure.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "route/route_elements.h"
#include "route/route_point_trace.h"
#include "route/route_profile.h"
#include "selection_lines.h"

namespace {

struct Refused {
    std::vector<std::string> lines;
    const char* reason;
};

TEST(ImplausibleInput, IpTablesRefusedWithTheirReason) {
    const std::string start = "START 0 0 0", end = "END 0 3000";
    const Refused cases[] = {
        {{start, "IP A 500 1000 1e-10 0", end},
         "line 2: the R field \"1e-10\" lies beyond what track can have (1 to 1e+09)"},
        {{start, "IP A 500 1000 1e300 0", end},
         "line 2: the R field \"1e300\" lies beyond what track can have (1 to 1e+09)"},
        {{start, "IP A 500 1000 500 100 1e308", end},
         "line 2: the cant field \"1e308\" lies beyond what track can have (0 to 1000)"},
        {{start, "IP A 500 1000 500 1e-15 90", end},
         "line 2: the L field \"1e-15\" is too short to ramp a cant (at least 1)"},
        {{start, "IP A 1e200 1000 500 0", end},
         "line 2: the Y field \"1e200\" lies beyond what track can have (-1e+09 to 1e+09)"},
        {{"START 2e9 0 0", end}, "line 1: the PK field \"2e9\" lies beyond what track can have (-1e+09 to 1e+09)"},
        {{start, "IP A 500 inf 500 0", end}, "line 2: \"inf\" is not a finite number"},
        {{"START 0 1e400 0", end}, "line 1: \"1e400\" is not a finite number"},
        // Control bytes of a name shown as "?" wherever the name is written.
        {{start, "IP A\x01\x7F 500 1000 0 0", end}, "the radius of A?? is not above 0"},
        {{start, "IP A\r 500 1000 500 0", "IP A\n 0 2000 500 0", end}, "two IPs are named A? (line 2 and line 3)"},
        {{start, "IP A 500 1000 500 0 1\x1A", end}, "line 2: the cant field \"1?\" is not a number"},
    };
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.reason);
        const RouteElements read = ReadRouteElements(Lines(c.lines));
        EXPECT_FALSE(read.line.has_value());
        EXPECT_EQ(read.report, std::string("\r\nElements of the line\r\n!Line not read: ") + c.reason + "!\r\n");
    }
    // A real design at the limits is read: a tram's 12 m curve, a 1 m spiral with
    // its cant, national-grid coordinates with a zone prefix.
    EXPECT_TRUE(ReadRouteElements(Lines({start, "IP A 500 1000 12 0", end})).line.has_value());
    EXPECT_TRUE(ReadRouteElements(Lines({start, "IP A 500 1000 500 1 150", end})).line.has_value());
    EXPECT_TRUE(ReadRouteElements(Lines({"START 0 97412503.1 85581240", "END 97412503.1 85584240"})).line);
}

TEST(ImplausibleInput, ProfilesRefusedWithTheirReason) {
    const std::string start = "PSTART 0 100", end = "PEND 1000 101";
    const Refused cases[] = {
        {{start, "PVI A 500 1e306 0", end},
         "line 2: the H field \"1e306\" lies beyond what track can have (-100000 to 100000)"},
        {{start, "PVI A 500 110 1e300", end},
         "line 2: the Rv field \"1e300\" lies beyond what track can have (0 to 1e+09)"},
        {{"PSTART -2e9 100", end}, "line 1: the PK field \"-2e9\" lies beyond what track can have (-1e+09 to 1e+09)"},
        {{start, "PVI A\x01 500 110 0", "PVI A\x02 600 110 0", end}, "two PVIs are named A? (line 2 and line 3)"},
    };
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.reason);
        const RouteProfile read = ReadRouteProfile(Lines(c.lines));
        EXPECT_FALSE(read.profile.has_value());
        EXPECT_EQ(read.report, std::string("\r\nProfile of the line\r\n!Profile not read: ") + c.reason + "!\r\n");
    }
}

// A skipped line's note shows its control bytes as "?": one line, whatever was pasted.
TEST(ImplausibleInput, SkippedLinesNotedOnOneLine) {
    const RouteProfile read = ReadRouteProfile(Lines({"PSTART 0 100", "note\rover\x1A", "PEND 1000 101"}));
    ASSERT_TRUE(read.profile.has_value());
    EXPECT_NE(read.report.find("! Line 2 skipped: note?over?\r\n"), std::string::npos) << read.report;
}

} // namespace
