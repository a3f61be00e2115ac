#include "numeric/number_formats.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

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

// The fixed text of whole parts below 10^15 with at most 15 decimals, written
// straight into one string of the ring: such a whole number is exact in a double,
// and FormatNumber would write exactly its decimal digits, so the text is the same.
// Reports write thousands of numbers, and this spares each four strings of the ring.
char* FixedFromWholes(bool negative, double I, double F, int n) {
    char text[64];
    char* at = text;
    if (negative) *at++ = '-';
    at = std::to_chars(at, text + 20, static_cast<unsigned long long>(I)).ptr;
    *at++ = '.';
    char digits[20];
    const char* end = std::to_chars(digits, digits + sizeof digits, static_cast<unsigned long long>(F)).ptr;
    for (long padding = n - (end - digits); padding > 0; --padding) // n is at most 15
        *at++ = '0';
    at = std::copy(static_cast<const char*>(digits), end, at);
    const std::size_t length = static_cast<std::size_t>(at - text);
    char* result = TempString(length);
    std::memcpy(result, text, length);
    return result;
}

} // namespace

char* FormatFixed(double x, int n) {
    if (n <= 0) return FormatNumber(x);
    if (!std::isfinite(x)) return JoinText({NonFiniteWord(x)});
    double P = IntPower(10, n);
    double a = x < 0 ? -x : x;
    a = 0.5 / P + a;
    double I = std::floor(a);
    double F = std::floor((a - I) * P);
    if (n <= 15 && I < 1e15 && F < 1e15) return FixedFromWholes(x < 0, I, F, n);
    char* W = WholeDigits(I);
    char* D = TrimBlanks(FormatNumber(F));
    int padding = n - static_cast<int>(std::strlen(D));
    std::string zeros(padding > 0 ? static_cast<std::size_t>(padding) : 0, '0');
    return JoinText({x < 0 ? "-" : nullptr, W, ".", zeros.c_str(), D});
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
