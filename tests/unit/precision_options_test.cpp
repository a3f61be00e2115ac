// The Options dialog's Apply: cutting, clamping and the note lines.
#include <gtest/gtest.h>

#include <string>

#include "numeric/precision_options.h"
#include "numeric/precision_settings.h"

namespace {
// Puts the default settings back after each test.
class PrecisionOptions : public ::testing::Test {
  protected:
    void TearDown() override {
        LinearDecimals = DefaultLinearDecimals;
        AngleDecimals = DefaultAngleDecimals;
    }
};

const std::string LinearNote2 = "\r\n! Len Frac Linear = 2\r\n";
const std::string LinearNote7 = "\r\n! Len Frac Linear = 7\r\n";
const std::string AngleNote0 = "\r\n! Len Frac Angles = 0\r\n";
const std::string AngleNote4 = "\r\n! Len Frac Angles = 4\r\n";
} // namespace

TEST_F(PrecisionOptions, CutsClampsAndNotes) {
    struct Case {
        const char* linear;
        const char* angle;
        int linearDecimals;
        int angleDecimals;
        std::string notes;
    } cases[] = {
        // The fields as the dialog first shows them: nothing changes, no note.
        {" 4", " 2", 4, 2, ""},
        {"9", "-1", 7, 0, LinearNote7 + AngleNote0},
        {"abc", "abc", 2, 0, LinearNote2},
        {"", "", 2, 0, LinearNote2},
        {"3.9", "-0.5", 3, 0, ""},
        {"7.99", "4.99", 7, 4, ""},
        {"-3", "5", 2, 4, LinearNote2 + AngleNote4},
        {"1.999", "0", 2, 0, LinearNote2},
        // Values beyond any 32-bit integer are clamped as numbers, not converted.
        {"1e300", "1e300", 7, 4, LinearNote7 + AngleNote4},
        {"-1e300", "-1e300", 2, 0, LinearNote2 + AngleNote0},
        {"4294967298", "-4294967295", 7, 0, LinearNote7 + AngleNote0},
        {"inf", "-inf", 7, 0, LinearNote7 + AngleNote0},
        {"-inf", "inf", 2, 4, LinearNote2 + AngleNote4},
        // Not a number counts as 0.
        {"nan", "nan", 2, 0, LinearNote2},
        {"5", "nan", 5, 0, ""},
        {" 0x6", "3abc", 6, 3, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("Linears \"") + c.linear + "\", Angles \"" + c.angle + "\"");
        LinearDecimals = 4;
        AngleDecimals = 2;
        EXPECT_EQ(ApplyPrecisionOptions(c.linear, c.angle), c.notes);
        EXPECT_EQ(LinearDecimals, c.linearDecimals);
        EXPECT_EQ(AngleDecimals, c.angleDecimals);
    }
}

TEST_F(PrecisionOptions, AnsweringTheClampedValuesAgainGivesNoNote) {
    EXPECT_EQ(ApplyPrecisionOptions("100", "-100"), LinearNote7 + AngleNote0);
    EXPECT_EQ(ApplyPrecisionOptions(" 7", " 0"), "");
    EXPECT_EQ(LinearDecimals, 7);
    EXPECT_EQ(AngleDecimals, 0);
}
