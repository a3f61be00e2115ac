// Pagination of the printed field book, page headers and the page frame: tables of
// cases with every printed line written out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/print_page_frame.h"
#include "editor/print_pagination.h"

namespace {

using Lines = std::vector<std::string>;

struct PaginationCase {
    const char* name;
    std::string text;
    int columns, linesPerPage;
    std::vector<Lines> pages;
};

class PaginateTextTest : public testing::TestWithParam<PaginationCase> {};

TEST_P(PaginateTextTest, GivesThePagesOfPrintedLines) {
    const PaginationCase& c = GetParam();
    EXPECT_EQ(PaginateText(c.text, c.columns, c.linesPerPage), c.pages);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PaginateTextTest,
    testing::Values(
        PaginationCase{"EmptyTextIsOneEmptyPage", "", 10, 3, {{}}},
        PaginationCase{"FinalLineEndStartsNoLine", "a\r\nb\r\n", 10, 3, {{"a", "b"}}},
        PaginationCase{"LastLineWithoutEnd", "a\r\nb", 10, 3, {{"a", "b"}}},
        PaginationCase{"EmptyLinesKept", "a\r\n\r\n\r\nb\r\n", 10, 5, {{"a", "", "", "b"}}},
        PaginationCase{"LinesSharedOutAmongPages", "1\r\n2\r\n3\r\n4\r\n5\r\n", 10, 2,
                       {{"1", "2"}, {"3", "4"}, {"5"}}},
        PaginationCase{"LongLineContinues", "abcdefghij\r\nk\r\n", 4, 10, {{"abcd", "efgh", "ij", "k"}}},
        PaginationCase{"LongLineAcrossPages", "abcdefghij\r\n", 3, 2, {{"abc", "def"}, {"ghi", "j"}}},
        PaginationCase{"TabToNextMultipleOfEight", "a\tb\r\n\tc\r\nabcdefgh\ti\r\n", 40, 10,
                       {{"a       b", "        c", "abcdefgh        i"}}},
        PaginationCase{"TabExpandedBeforeBreaking", "abc\tdef\r\n", 5, 10, {{"abc", "def"}}},
        PaginationCase{"BrokenAtTheLastBlankContinuationIndented", "R-(Z)=1199.4994   T=296.6529\r\n", 20, 10,
                       {{"R-(Z)=1199.4994", "    T=296.6529"}}},
        PaginationCase{"EveryContinuationIndented", "aaa bbb ccc ddd eee\r\n", 9, 10,
                       {{"aaa bbb", "    ccc", "    ddd", "    eee"}}},
        PaginationCase{"BlankJustPastTheMarginFillsTheLine", "abcdefghij klm\r\n", 10, 10, {{"abcdefghij", "    klm"}}},
        PaginationCase{"OnlyAWordLongerThanALineIsCut", "ab xxxxxxxxxxxxxxxxxxxxxxxxx\r\n", 10, 10,
                       {{"ab", "    xxxxxx", "    xxxxxx", "    xxxxxx", "    xxxxxx", "    x"}}},
        PaginationCase{"BlanksAtABreakNotPrintedLeadingBlanksKept", "  ab      \r\n  ab cd\r\n", 5, 10,
                       {{"  ab", "  ab", "cd"}}},
        PaginationCase{"LoneCrAndControlBytesTakeAColumn", "a\rb\x01" "c\r\n", 10, 10, {{"a\rb\x01" "c"}}},
        PaginationCase{"ColumnsAndLinesBelowOneCountAsOne", "ab\r\n", 0, 0, {{"a"}, {"b"}}}),
    [](const testing::TestParamInfo<PaginationCase>& info) { return std::string(info.param.name); });

struct HeaderCase {
    const char* name;
    std::string fileName;
    int page, pages, columns;
    std::string header;
};

class PageHeaderTest : public testing::TestWithParam<HeaderCase> {};

TEST_P(PageHeaderTest, PutsTheNameLeftAndThePageRight) {
    const HeaderCase& c = GetParam();
    EXPECT_EQ(PageHeader(PrintedDocumentName(c.fileName), c.page, c.pages, c.columns), c.header);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PageHeaderTest,
    testing::Values(
        HeaderCase{"FileNameWithoutFolder", "C:\\work\\book.txt", 1, 3, 30, "book.txt           Page 1 of 3"},
        HeaderCase{"ForwardSlashFolder", "Z:/tmp/field book.txt", 12, 12, 32, "field book.txt     Page 12 of 12"},
        HeaderCase{"UntitledDocument", "", 2, 5, 20, "Untitled Page 2 of 5"},
        HeaderCase{"LongNameCut", "C:\\a_very_long_field_book_name.txt", 1, 2, 24, "a_very_lo... Page 1 of 2"},
        HeaderCase{"NoRoomForTheName", "book.txt", 1, 2, 12, " Page 1 of 2"},
        HeaderCase{"PageTextCutWhenNothingFits", "book.txt", 1, 2, 6, "Page 1"}),
    [](const testing::TestParamInfo<HeaderCase>& info) { return std::string(info.param.name); });

struct FrameCase {
    const char* name;
    PrintDevice device;
    PageFrame frame;
    int columns, bodyLines; // for cells of 25 by 50 device units
};

class TextFrameTest : public testing::TestWithParam<FrameCase> {};

TEST_P(TextFrameTest, LeavesTwentyMillimetresWithinThePrintableArea) {
    const FrameCase& c = GetParam();
    const PageFrame frame = TextFrame(c.device);
    EXPECT_EQ(frame.left, c.frame.left);
    EXPECT_EQ(frame.top, c.frame.top);
    EXPECT_EQ(frame.right, c.frame.right);
    EXPECT_EQ(frame.bottom, c.frame.bottom);
    const PageGrid grid = TextGrid(frame, 25, 50);
    EXPECT_EQ(grid.columns, c.columns);
    EXPECT_EQ(grid.bodyLines, c.bodyLines);
}

// A4 at 300 dpi is 2480 by 3508; 20 mm is 236 device units.
INSTANTIATE_TEST_SUITE_P(
    Devices, TextFrameTest,
    testing::Values(
        FrameCase{"A4WholeSheetPrintable", {300, 300, 2480, 3508, 0, 0, 2480, 3508}, {236, 236, 2244, 3272}, 80, 58},
        FrameCase{"A4WithQuarterInchUnprintable", {300, 300, 2480, 3508, 75, 75, 2330, 3358},
                  {161, 161, 2169, 3197}, 80, 58},
        FrameCase{"PrintableAreaNarrowerThanTheMargins", {300, 300, 2480, 3508, 300, 300, 1880, 2908},
                  {0, 0, 1880, 2908}, 75, 56},
        FrameCase{"DifferentResolutions", {600, 300, 4960, 3508, 0, 0, 4960, 3508}, {472, 236, 4488, 3272}, 160, 58},
        FrameCase{"TinyDeviceKeepsOneColumnAndLine", {300, 300, 400, 400, 0, 0, 400, 400}, {236, 236, 236, 236},
                  1, 1}),
    [](const testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.name); });

} // namespace
