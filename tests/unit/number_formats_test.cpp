// FormatFixed and FormatDms, to the character.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "numeric/arithmetic.h"
#include "numeric/number_formats.h"
#include "numeric/precision_settings.h"
#include "text/number_text.h"

namespace {
constexpr double Inf = std::numeric_limits<double>::infinity();

// Sets AngleDecimals for one test and puts the default back afterwards.
class AngleDecimalsScope {
public:
    explicit AngleDecimalsScope(int n) { AngleDecimals = n; }
    ~AngleDecimalsScope() { AngleDecimals = DefaultAngleDecimals; }
};
} // namespace

TEST(FormatFixed, WorkedExamples) {
    struct Case {
        double x;
        int n;
        const char* text;
    } cases[] = {
        {1234.56789, 4, "1234.5679"},
        {-2.5, 4, "-2.5000"},
        {0.00004, 4, "0.0000"},
        {0.00006, 4, "0.0001"},
        {-0.00001, 4, "-0.0000"},
        {99.99996, 4, "100.0000"},
        {12, 2, "12.00"},
        {123456.7, 7, "123456.7000000"},
        {0.5, 0, " 0.5"},
        {-0.0, 4, "0.0000"},
        {0, 2, "0.00"},
        {0.99996, 4, "1.0000"},
        {5, 3, "5.000"},
        {10.24, 4, "10.2400"},
        {-5, 4, "-5.0000"},
        {1e15, 2, "1000000000000000.00"},
        {1e20, 4, "100000000000000000000.0000"},
        {-123456789012345678.0, 2, "-123456789012345680.00"},
        {Inf, 4, "INF"},
        {-Inf, 4, "-INF"},
        {std::nan(""), 4, "NAN"},
        {-std::nan(""), 4, "NAN"},
    };
    for (const Case& c : cases) EXPECT_STREQ(FormatFixed(c.x, c.n), c.text) << c.text;
}

TEST(FormatDms, WorkedExamples) {
    double degree = PiTimes(1) / 180;
    struct Case {
        int decimals;
        double angle;
        const char* text;
    } cases[] = {
        {2, PiTimes(1) / 4, " 45' 0' 0'"},
        {2, 1, " 57' 17' 44.81'"},
        {0, 1, " 57' 17' 45'"},
        {4, 1, " 57' 17' 44.8062'"},
        {2, -1, "-57' 17' 44.81'"},
        {2, (10 + 59.0 / 60 + 59.996 / 3600) * degree, " 11' 0' 0'"},
        {2, 0, " 0' 0' 0'"},
        {2, -0.5 * degree, "-0' 30' 0'"},
        {2, PiTimes(0.5), " 90' 0' 0'"},
        {2, PiTimes(2) - 1e-12, " 360' 0' 0'"},
        {2, -1e-9, "-0' 0' 0'"},
        {2, 0.2, " 11' 27' 32.96'"},
        {2, Inf, "INF"},
        {2, -Inf, "-INF"},
        {2, std::nan(""), "NAN"},
        {2, 1e307, "INF"},
        // Degrees a hair below 23' whose minutes round up to 23: no negative seconds.
        {3, -0.0066904263752431848, "-0' 23' 0'"},
        {3, 0.0066904263752431848, " 0' 23' 0'"},
    };
    for (const Case& c : cases) {
        AngleDecimalsScope scope(c.decimals);
        EXPECT_STREQ(FormatDms(c.angle), c.text) << c.text;
    }
}

// The short ways of the readers and reports give the general ways' results bit for
// bit: a plain decimal read as strtod reads it (the sign of zero too), and a value
// appended as FormatFixed writes it, over generated digits, signs and decimals.
TEST(NumberShortWays, SameAsTheGeneralWays) {
    std::mt19937_64 random(20261209);
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int k = 0; k < 200000; ++k) {
        std::string text = below(3) == 0 ? "-" : below(8) == 0 ? "+" : "";
        const int whole = below(9), decimals = below(9);
        for (int i = 0; i < whole; ++i) text += static_cast<char>('0' + below(10));
        if (decimals > 0 || below(4) == 0) text += '.';
        for (int i = 0; i < decimals; ++i) text += static_cast<char>('0' + below(10));
        double fast = 0;
        const bool read = ReadShortDecimal(text, fast);
        char* end = nullptr;
        const double general = std::strtod(text.c_str(), &end);
        // Read short whenever it is a number of at most 15 digits.
        ASSERT_EQ(read, end != text.c_str() && *end == '\0' && whole + decimals <= 15) << text;
        if (read) {
            ASSERT_EQ(std::memcmp(&fast, &general, sizeof fast), 0) << text;
        }
        const int n = below(17) - 1;
        const double x = general * std::pow(10.0, below(12) - 4);
        std::string appended = "x";
        AppendFixed(appended, x, n);
        ASSERT_EQ(appended, "x" + std::string(FormatFixed(x, n))) << x << " " << n;
    }
    double value = 0;
    for (const char* refused : {"1234567890123456", "1e5", " 5", "0x10", "inf", "1.2.3", "-", "."})
        EXPECT_FALSE(ReadShortDecimal(refused, value)) << refused;
}
