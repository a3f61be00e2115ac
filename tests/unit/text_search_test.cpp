// The search of Find, Find Next and Replace: a table of cases over one field book,
// and Replace All as one change.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "editor/text_search.h"

namespace {

const std::string Book = "PZ: 1234   Y=10\r\n"  // 0
                         "pz: 1234   Y=11\r\n"  // 17
                         "PZ: 12345  Y=12\r\n"  // 34
                         "xPZ: 1234\tY=13\r\n"; // 51

struct SearchCase {
    const char* name;
    std::string what;
    std::size_t from;
    bool matchCase, wholeWord, down;
    std::size_t expected;
};

class FindInTextTest : public testing::TestWithParam<SearchCase> {};

TEST_P(FindInTextTest, FindsTheExpectedMatch) {
    const SearchCase& c = GetParam();
    EXPECT_EQ(FindInText(Book, c.what, c.from, {c.matchCase, c.wholeWord, c.down}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Book, FindInTextTest,
    testing::Values(
        SearchCase{"DownFromStartFindsFirst", "PZ: 1234", 0, false, false, true, 0},
        SearchCase{"DownAfterFirstFoldsCase", "PZ: 1234", 1, false, false, true, 17},
        SearchCase{"DownMatchCaseSkipsLowerCase", "PZ: 1234", 1, true, false, true, 34},
        SearchCase{"DownWholeWordSkipsLongerNumber", "PZ: 1234", 18, false, true, true, NoMatch},
        SearchCase{"DownFindsInsideAWord", "PZ: 1234", 35, false, false, true, 52},
        SearchCase{"DownWholeWordRejectsLetterBefore", "PZ: 1234", 35, false, true, true, NoMatch},
        SearchCase{"DownAtTheVeryPosition", "Y=12", 45, true, false, true, 45},
        SearchCase{"DownPastTheEnd", "Y=1", 1000, false, false, true, NoMatch},
        SearchCase{"UpFromEndFindsLast", "PZ: 1234", Book.size(), false, false, false, 52},
        SearchCase{"UpMatchEndsAtFrom", "PZ: 1234", 60, false, false, false, 52},
        SearchCase{"UpMatchEndingAfterFromIsSkipped", "PZ: 1234", 59, false, false, false, 34},
        SearchCase{"UpMatchCase", "pz: 1234", Book.size(), true, false, false, 17},
        SearchCase{"UpWholeWord", "PZ: 1234", Book.size(), false, true, false, 17},
        SearchCase{"UpFromStartFindsNothing", "PZ", 0, false, false, false, NoMatch},
        SearchCase{"EmptyTextSearchedForNeverMatches", "", 0, false, false, true, NoMatch},
        SearchCase{"OnlyAsciiLettersFold", "\xC0", 0, false, false, true, NoMatch},
        SearchCase{"TabFound", "\tY", 0, false, false, true, 60},
        SearchCase{"AcrossLineEnd", "10\r\npz", 0, false, false, true, 13}),
    [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

TEST(ReplaceAllInText, ReplacesEveryMatchInOneSpan) {
    const ReplaceAllChange change = ReplaceAllInText(Book, "PZ: 1234", "Rp: 9", {false, true, false});
    EXPECT_EQ(change.count, 2u);
    EXPECT_EQ(change.start, 0u);
    EXPECT_EQ(change.end, 25u);
    EXPECT_EQ(change.replacement, "Rp: 9   Y=10\r\nRp: 9");
    const std::string after =
        Book.substr(0, change.start) + change.replacement + Book.substr(change.end);
    EXPECT_EQ(after, "Rp: 9   Y=10\r\nRp: 9   Y=11\r\nPZ: 12345  Y=12\r\nxPZ: 1234\tY=13\r\n");
}

} // namespace
