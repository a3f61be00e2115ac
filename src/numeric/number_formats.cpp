#include "numeric/number_formats.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "numeric/arithmetic.h"
#include "numeric/precision_settings.h"
#include "text/number_text.h"
#include "text/temp_string_ring.h"
#include "text/text_ops.h"

namespace {

// The plain word for a value that is not finite.
const char* NonFiniteWord(double x) {
    if (std::isnan(x)) return "NAN";
    return x < 0 ? "-INF" : "INF";
}

// The digits of a whole number I >= 0. Below 10^15 FormatNumber writes every digit;
// from there on it would switch to exponent form, so the digits are written in full.
char* WholeDigits(double I) {
    if (I < 1e15) return TrimBlanks(FormatNumber(I));
    char* result = TempString(320);
    std::snprintf(result, 320, "%.0f", I);
    return result;
}

// The whole and the decimal part of x with n decimals (rounded half away from
// zero by adding half a unit of the last decimal), as whole numbers.
struct FixedParts {
    double I, F;
};
FixedParts SplitFixed(double x, int n) {
    // IntPower(10, n) for n up to 15 taken from a table IntPower itself filled: the
    // same values, without the loop for every number of a report.
    static const auto powers = [] {
        std::array<double, 16> table{};
        for (int k = 0; k < 16; ++k) table[static_cast<std::size_t>(k)] = IntPower(10, k);
        return table;
    }();
    double P = n >= 0 && n < 16 ? powers[static_cast<std::size_t>(n)] : IntPower(10, n);
    double a = x < 0 ? -x : x;
    a = 0.5 / P + a;
    double I = std::floor(a);
    double F = std::floor((a - I) * P);
    return {I, F};
}

// Writes the fixed text of whole parts below 10^15 with at most 15 decimals into
// text (64 bytes): such a whole number is exact in a double, and FormatNumber would
// write exactly its decimal digits, so the text is the same. Its length.
std::size_t FixedFromWholes(bool negative, FixedParts parts, int n, char* text) {
    char* at = text;
    if (negative) *at++ = '-';
    at = std::to_chars(at, text + 20, static_cast<unsigned long long>(parts.I)).ptr;
    *at++ = '.';
    // F < 10^n: its n digits, leading zeros written, from the last.
    unsigned long long F = static_cast<unsigned long long>(parts.F);
    for (int k = n - 1; k >= 0; --k, F /= 10)
        at[k] = static_cast<char>('0' + F % 10);
    return static_cast<std::size_t>(at + n - text);
}

bool WholesFit(FixedParts parts, int n) {
    return n <= 15 && parts.I < 1e15 && parts.F < 1e15;
}

} // namespace

char* FormatFixed(double x, int n) {
    if (n <= 0) return FormatNumber(x);
    if (!std::isfinite(x)) return JoinText({NonFiniteWord(x)});
    const FixedParts parts = SplitFixed(x, n);
    if (WholesFit(parts, n)) {
        // Straight into one string of the ring: reports write thousands of numbers.
        char text[64];
        const std::size_t length = FixedFromWholes(x < 0, parts, n, text);
        char* result = TempString(static_cast<long long>(length));
        std::memcpy(result, text, length);
        return result;
    }
    char* W = WholeDigits(parts.I);
    char* D = TrimBlanks(FormatNumber(parts.F));
    int padding = n - static_cast<int>(std::strlen(D));
    std::string zeros(padding > 0 ? static_cast<std::size_t>(padding) : 0, '0');
    return JoinText({x < 0 ? "-" : nullptr, W, ".", zeros.c_str(), D});
}

void AppendFixed(std::string& out, double x, int n, std::string_view label) {
    if (n > 0 && std::isfinite(x) && label.size() <= 16) {
        const FixedParts parts = SplitFixed(x, n);
        if (WholesFit(parts, n)) {
            // The label and the number put together and appended once.
            char text[80];
            const std::size_t at = label.copy(text, label.size());
            out.append(text, at + FixedFromWholes(x < 0, parts, n, text + at));
            return;
        }
    }
    (out += label) += FormatFixed(x, n);
}

char* FormatDms(double a) {
    double P = IntPower(10, AngleDecimals);
    double D = a * 180 / PiTimes(1);
    if (!std::isfinite(D)) return JoinText({NonFiniteWord(std::isnan(a) ? a : D)});
    double s = D < 0 ? -1.0 : 1.0;
    D = s * D;
    D = (1.0 / 7200.0) / P + D;
    double g = std::floor(D);
    double m = std::floor((D - g) * 60);
    double t = std::floor(((D - g) - m / 60) * P * 3600) / P;
    // (D - g) * 60 can round up to a whole minute that D - g falls a hair short of
    // (0.38333... degrees, a hair below 23'): the remainder is then a hair below
    // zero, and the seconds are 0, never a negative number.
    if (t < 0) t = 0;
    const char* degrees = s > 0 ? FormatNumber(g) : JoinText({"-", TrimBlanks(FormatNumber(g))});
    return JoinText({degrees, "'", FormatNumber(m), "'", FormatNumber(t), "'"});
}
