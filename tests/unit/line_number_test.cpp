// The line number typed into Go To and the answer when it names no line.
#include <gtest/gtest.h>

#include "editor/line_number.h"

TEST(ParseLineNumber, TakesDigitsNamingALineOfTheText) {
    EXPECT_EQ(ParseLineNumber("1", 5), 1);
    EXPECT_EQ(ParseLineNumber("5", 5), 5);
    EXPECT_EQ(ParseLineNumber(" 3 ", 5), 3);
    EXPECT_EQ(ParseLineNumber("003", 5), 3);
    EXPECT_EQ(ParseLineNumber("6", 5), 0);
    EXPECT_EQ(ParseLineNumber("0", 5), 0);
    EXPECT_EQ(ParseLineNumber("", 5), 0);
    EXPECT_EQ(ParseLineNumber("-1", 5), 0);
    EXPECT_EQ(ParseLineNumber("+1", 5), 0);
    EXPECT_EQ(ParseLineNumber("2x", 5), 0);
    EXPECT_EQ(ParseLineNumber("99999999999999999999999", 5), 0);
}

TEST(NoSuchLineText, NamesTheNumberAndTheLineCount) {
    EXPECT_EQ(NoSuchLineText(" 0 ", 1), "There is no line 0 in this text; it has 1 line.");
}
