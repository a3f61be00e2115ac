// The temporary-string ring and the string operations on it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "numeric/arithmetic.h"
#include "text/number_text.h"
#include "text/temp_string_ring.h"
#include "text/text_ops.h"

TEST(TempStringRing, FirstRequestUsesSlotOneAndIsZeroFilledWithSpare) {
    TempStringRing ring;
    char* first = ring.Request(5);
    EXPECT_EQ(ring.CurrentSlot(), 1);
    for (std::size_t i = 0; i < 5 + TempStringRing::Spare; ++i) ASSERT_EQ(first[i], 0) << i;
}

TEST(TempStringRing, TheRequestAfter2048ReusesTheFirstSlotAndKeepsTheOthers) {
    TempStringRing ring;
    char* results[2049];
    for (int i = 0; i < 2048; ++i) {
        results[i] = ring.Request(8);
        std::snprintf(results[i], 9, "%d", i);
    }
    EXPECT_EQ(ring.CurrentSlot(), 0); // wrapped after slot 2047
    results[2048] = ring.Request(8);
    EXPECT_EQ(ring.CurrentSlot(), 1);
    EXPECT_EQ(ring.Slot(1), results[2048]);
    EXPECT_STREQ(results[2048], ""); // the new buffer is fresh and zero-filled
    for (int i = 1; i < 2048; ++i) ASSERT_EQ(std::to_string(i), results[i]) << "request " << i + 1;
}

TEST(TextOps, JoinTextSkipsNullsAndConcatenates) {
    EXPECT_STREQ(JoinText({"a", nullptr, "b"}), "ab");
    EXPECT_STREQ(JoinText({}), "");
    EXPECT_STREQ(JoinText({"Editbox is using", " 12", " bytes"}), "Editbox is using 12 bytes");
}

TEST(TextOps, TrimBlanks) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"  12.5 \r\n", "12.5"},
        {" \t\n\v\r ", ""},
        {"", ""},
        {"\f12\f", "\f12\f"},   // form feed is not a blank here
        {"\t a b \v", "a b"},    // inner blanks stay
    };
    for (const Case& c : cases) EXPECT_STREQ(TrimBlanks(c.in), c.out) << c.in;
}

TEST(TextOps, SpaceStringAndCharString) {
    EXPECT_STREQ(SpaceString(3), "   ");
    EXPECT_STREQ(SpaceString(0), "");
    EXPECT_STREQ(SpaceString(-5), "");
    EXPECT_STREQ(CharString({13}), "\r");
    EXPECT_STREQ(CharString({13, 10}), "\r\n");
    EXPECT_STREQ(CharString({65, 66, 0, 67}), "AB");
}

TEST(NumberText, FormatNumberWritesPercentSpace15G) {
    struct Case {
        double x;
        const char* text;
    } cases[] = {
        {4, " 4"},
        {-2.5, "-2.5"},
        {0.1, " 0.1"},
        {1E20, " 1E+20"},
        {0.00001, " 1E-05"},
        {123456789.123456789, " 123456789.123457"},
        {0, " 0"},
        {-0.0, "-0"},
        {1e15, " 1E+15"},
        {999999999999999, " 999999999999999"},
        {std::numeric_limits<double>::infinity(), " INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
    };
    for (const Case& c : cases) EXPECT_STREQ(FormatNumber(c.x), c.text) << c.text;
}

TEST(NumberText, ParseNumberReadsAsStrtod) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},           {"abc", 0},      {" 12.5abc", 12.5}, {"1,5", 1},     {"-3e2", -300},
        {"0x10", 16},      {" 4", 4},       {"\t\n+7", 7},      {"1e400", HUGE_VAL},
        {"-1e400", -HUGE_VAL}, {"INFINITY", HUGE_VAL}, {"-inf", -HUGE_VAL}, {"12,5", 12},
        {"0x1p-2", 0.25},  {".5", 0.5},     {"5.", 5},          {"e5", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_TRUE(std::isnan(ParseNumber("nan")));
    EXPECT_TRUE(std::isnan(ParseNumber(" -NaN(abc_1)x")));
}

TEST(NumberText, ParseNumberOfLongTextStaysInsideIt) {
    std::string digits(100000, '9');
    EXPECT_EQ(ParseNumber(digits.c_str()), HUGE_VAL);
    std::string fraction = "0." + std::string(10000, '0') + "1";
    EXPECT_EQ(ParseNumber(fraction.c_str()), 0);
    std::string bytes = "1.5";
    bytes += "\xff\x80\x01";
    EXPECT_EQ(ParseNumber(bytes.c_str()), 1.5);
}

TEST(NumberText, AbsValueKeepsMinusZeroAndNaN) {
    EXPECT_EQ(AbsValue(-3), 3);
    EXPECT_EQ(AbsValue(3), 3);
    EXPECT_TRUE(std::signbit(AbsValue(-0.0)));
    EXPECT_TRUE(std::isnan(AbsValue(std::nan(""))));
}
