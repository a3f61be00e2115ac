// FormatFixed and FormatDms, to the character.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numeric/arithmetic.h"
#include "numeric/number_formats.h"
#include "numeric/precision_settings.h"

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
