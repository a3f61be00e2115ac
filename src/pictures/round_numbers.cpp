#include "pictures/round_numbers.h"

#include <cmath>
#include <cstdio>

#include "numeric/arithmetic.h"

namespace {
// The exponent of the power of ten at or just below x (x positive and finite); the
// powers themselves are taken by IntPower, the same double on every build.
int TenExponent(double x) {
    return static_cast<int>(std::floor(std::log10(x)));
}

// The decimals a multiple of 1, 2 or 5 times 10^k needs: none for k >= 0.
int DecimalsOf(double interval) {
    const int k = TenExponent(interval * 1.000001);
    return k < 0 ? -k : 0;
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}
} // namespace

double RoundScaleDenominator(double least) {
    if (!(least > 0) || !std::isfinite(least)) return 1;
    // log10 may round across a power of ten: start one decade low and step up.
    const int k0 = TenExponent(least) - 1;
    static constexpr double mantissas[] = {1, 2, 2.5, 5};
    for (int k = k0;; ++k) {
        const double power = IntPower(10, k);
        for (double m : mantissas)
            if (m * power >= least) return m * power;
    }
}

double GridInterval(double lo, double hi) {
    const double span = hi - lo;
    if (!(span > 0) || !std::isfinite(span)) return 1;
    static constexpr double mantissas[] = {1, 2, 5};
    for (int k = TenExponent(span) - 2;; ++k) {
        const double power = IntPower(10, k);
        for (double m : mantissas) {
            const double interval = m * power;
            if (std::floor(hi / interval) - std::ceil(lo / interval) + 1 <= MostGridLines) return interval;
        }
    }
}

double RoundLengthAtMost(double most) {
    if (!(most > 0) || !std::isfinite(most)) return 1;
    // log10 may round across a power of ten: start one decade high and step down.
    static constexpr double mantissas[] = {5, 2, 1};
    for (int k = TenExponent(most) + 1;; --k) {
        const double power = IntPower(10, k);
        for (double m : mantissas)
            if (m * power <= most) return m * power;
    }
}

std::vector<double> GridValues(double lo, double hi, double interval) {
    std::vector<double> values;
    if (!(interval > 0) || !(hi >= lo)) return values;
    const double first = std::ceil(lo / interval), last = std::floor(hi / interval);
    for (double k = first; k <= last && values.size() < MostGridValues; ++k)
        values.push_back(k * interval);
    return values;
}

std::string GridValueText(double value, double interval) {
    std::string text = Fixed(value, DecimalsOf(interval));
    if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') text.erase(0, 1);
    return text;
}

std::string ScaleText(double denominator) {
    std::string text = Fixed(denominator, 3);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return "1:" + text;
}
