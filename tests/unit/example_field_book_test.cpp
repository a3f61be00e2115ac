// The example field book of the Help menu: each part, selected as its heading says,
// is read without a refusal or a skipped line, and its survey traces within the
// millimetres it was made with.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "menu/example_field_book.h"
#include "route/route_elements.h"
#include "route/route_point_trace.h"
#include "route/route_profile.h"
#include "route/route_results.h"
#include "text/selected_lines.h"

namespace {

// The lines of the book from the first that starts with `from` to the first after
// it that starts with `to`.
std::vector<TextLine> Part(const std::string& book, const std::string& from, const std::string& to) {
    const std::size_t start = book.find("\r\n" + from) + 2;
    const std::size_t end = book.find("\r\n", book.find("\r\n" + to, start) + 2);
    return SelectedLines(book, start, end);
}

TEST(ExampleFieldBook, EveryPartReadsAsItsHeadingSays) {
    const std::string book = ExampleFieldBook();
    const RouteElements line = ReadRouteElements(Part(book, "START", "END"));
    ASSERT_TRUE(line.line.has_value()) << line.report;
    EXPECT_EQ(line.report.find("skipped"), std::string::npos) << line.report;
    const RouteProfile profile = ReadRouteProfile(Part(book, "PSTART", "PEND"));
    ASSERT_TRUE(profile.profile.has_value()) << profile.report;
    const std::string trace = TracePointsOnRoute(*line.line, Part(book, "S1", "S8"), &*profile.profile);
    EXPECT_NE(trace.find("Points: 8 traced, 0 outside, 0 skipped, 8 levels compared"), std::string::npos) << trace;
    for (const TracedRoutePoint& p : TheRouteResults.tracedPoints) {
        EXPECT_LE(std::abs(p.d), 0.025) << p.name;
        ASSERT_TRUE(p.dH.has_value()) << p.name;
        EXPECT_LE(std::abs(*p.dH), 0.02) << p.name;
    }
    ForgetRouteResults();
}

} // namespace
