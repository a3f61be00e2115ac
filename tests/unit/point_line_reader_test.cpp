// The reading of surveyed points from the selected lines of the field book: which
// lines a selection takes, and what each real-world line gives.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "text/selected_lines.h"
#include "elements/point_line_reader.h"

namespace {

using Kind = PointLine::Kind;

struct LineCase {
    std::string line;
    Kind kind;
    const char* name = "";
    std::string yText = "";
    const char* xText = "";
    std::string why = ""; // of an unreadable line
};

// Every line is read as line 7 of the text.
const LineCase LineCases[] = {
    {"P17  5234.118  6789.402  101.35", Kind::Point, "P17", "5234.118", "6789.402"},
    {"  P1\t5234.118\t6789.402\tK3\t", Kind::Point, "P1", "5234.118", "6789.402"},
    {"P2;5234.118;;6789.402;101.35;fence", Kind::Point, "P2", "5234.118", "6789.402"},
    {"P3 ; -12.5e1 \t ; +6789", Kind::Point, "P3", "-12.5e1", "+6789"},
    {"P4,5234.118,6789.402,101.35,rail", Kind::Point, "P4", "5234.118", "6789.402"},
    {"1017 5234.118 6789.402", Kind::Point, "1017", "5234.118", "6789.402"},
    {"5234.118 6789.402", Kind::Point, "L7", "5234.118", "6789.402"},
    {"5234.118,6789.402", Kind::Point, "L7", "5234.118", "6789.402"},
    {"P5 inf -nan", Kind::Unreadable, "", "", "", "\"inf\" is not a finite number"},
    {"\x01\xff\x7f 1 2 3", Kind::Point, "?\xff?", "1", "2"}, // control bytes shown as "?"
    {"P6 5234,12 6789,40", Kind::Unreadable, "", "", "", "\"5234,12\" is not a number (write a decimal point)"},
    {"P6,5234,12,6789,40", Kind::Point, "P6", "5234", "12"}, // a CSV line's commas all separate
    {"P7 5234.118", Kind::Unreadable, "", "", "", "too few fields"},
    {"Notes", Kind::Unreadable, "", "", "", "too few fields"},
    {"P8 5234.118 x6789", Kind::Unreadable, "", "", "", "\"x6789\" is not a number"},
    {"P9 5234.118m 6789.402", Kind::Unreadable, "", "", "", "\"5234.118m\" is not a number"},
    {"P10,,6789.402", Kind::Unreadable, "", "", "", "\"\" is not a number"},
    {"PK0=0   Y0=0   X0=0", Kind::Unreadable, "", "", "", "\"Y0=0\" is not a number"},
    {";;;", Kind::Unreadable, "", "", "", "too few fields"},
    {"P11 0." + std::string(98, '3') + " 5", Kind::Point, "P11", "0." + std::string(98, '3'),
     "5"}, // 100 characters
    {"P12 0." + std::string(99, '3') + " 5", Kind::Unreadable, "", "", "",
     "\"0." + std::string(38, '3') + "...\" is not a number"},
    {"P13 5 0." + std::string(1 << 20, '3'), Kind::Unreadable, "", "", "",
     "\"0." + std::string(38, '3') + "...\" is not a number"},
    {"P14 1e200 5", Kind::Unreadable, "", "", "", "\"1e200\" lies beyond what track can have"},
    {"P15 5 -1e400", Kind::Unreadable, "", "", "", "\"-1e400\" is not a finite number"},
    {"P16 5 1e9", Kind::Point, "P16", "5", "1e9"}, // the farthest coordinate read
    {"", Kind::Blank},
    {" \t  \t", Kind::Blank},
};

TEST(PointLineReader, RealWorldLines) {
    for (const LineCase& c : LineCases) {
        SCOPED_TRACE(c.line.substr(0, 60));
        const PointLine point = ReadPointLine(c.line, 7);
        ASSERT_EQ(point.kind, c.kind);
        EXPECT_EQ(point.whyUnreadable, c.why);
        if (c.kind != Kind::Point) continue;
        EXPECT_EQ(point.name, c.name);
        EXPECT_EQ(point.yText, c.yText);
        EXPECT_EQ(point.xText, c.xText);
        EXPECT_EQ(std::to_string(point.y), std::to_string(std::strtod(c.yText.c_str(), nullptr)));
        EXPECT_EQ(std::to_string(point.x), std::to_string(std::strtod(c.xText, nullptr)));
    }
}

// The fourth field: a level, a code, "-" for none, or a level that cannot be read,
// said in a note; the fifth, a measured cant only after a level or a field that
// says there is none, never after a code.
TEST(PointLineReader, LevelAndMeasuredCant) {
    const std::optional<double> none;
    const struct {
        const char* line;
        std::optional<double> level, cant;
        const char* note;
    } cases[] = {
        {"P1 5 6 188.498", 188.498, none, ""},
        {"P1 5 6 K3", none, none, ""}, // a code
        {"P1 5 6 -0.5 K3", -0.5, none, ""},
        {"P1 5 6 188,498", none, none, "!Level \"188,498\" is not a number (write a decimal point)!"},
        {"P1 5 6 18B.498", none, none, "!Level \"18B.498\" is not a number!"},
        {"P1 5 6 inf", none, none, "!Level \"inf\" is not a finite number!"},
        {"P1 5 6 1e6", none, none, "!Level \"1e6\" lies beyond what track can have!"},
        {"P1 5 6 .5\x01", none, none, "!Level \".5?\" is not a number!"},
        {"P1 10 20 101.35 12.5", 101.35, 12.5, ""},
        {"P1 10 20 - -3", none, -3.0, ""},
        {"P1,10,20,,4", none, 4.0, ""},
        {"P1 10 20 K3 12.5", none, none, ""},
        {"P1 10 20 -", none, none, ""},
        {"P1 10 20 101.35 1,5", 101.35, none, ""},
        {"P1 10 20 101.35 inf", 101.35, none, ""},
        {"P1 10 20 101.35 12 code", 101.35, 12.0, ""},
        {"P1 10 20 188,498 12", none, none, "!Level \"188,498\" is not a number (write a decimal point)!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const PointLine point = ReadPointLine(c.line, 7);
        ASSERT_EQ(point.kind, Kind::Point);
        EXPECT_EQ(point.level, c.level);
        EXPECT_EQ(point.measuredCant, c.cant);
        EXPECT_EQ(point.levelNote, c.note);
    }
}

// A selection [start, end) of "one\r\ntwo\r\n\r\nfour" (lines start at 0, 5, 10, 12)
// takes every line of which it holds any character, line breaks included.
TEST(SelectedLines, LinesTouchedBySelection) {
    const std::string text = "one\r\ntwo\r\n\r\nfour";
    const struct {
        std::size_t start, end;
        std::vector<int> numbers;
    } cases[] = {{4, 4, {}},    {0, 5, {1}},   {3, 4, {1}},  {4, 6, {1, 2}},       {9, 11, {2, 3}},
                 {11, 12, {3}}, {12, 99, {4}}, {16, 99, {}}, {0, 16, {1, 2, 3, 4}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + ".." + std::to_string(c.end));
        std::vector<int> numbers;
        for (const TextLine& line : SelectedLines(text, c.start, c.end))
            numbers.push_back(line.number);
        EXPECT_EQ(numbers, c.numbers);
    }
    const std::vector<TextLine> all = SelectedLines(text, 0, text.size());
    EXPECT_EQ(all[1].text, "two");
    EXPECT_EQ(all[2].text, "");
    EXPECT_EQ(all[3].text, "four");
}

} // namespace
