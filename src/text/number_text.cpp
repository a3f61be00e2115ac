#include "text/number_text.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "text/temp_string_ring.h"

char* FormatNumber(double x) {
    char* result = TempString(24);
    std::snprintf(result, 24 + TempStringRing::Spare, "% .15G", x);
    return result;
}

double ParseNumber(const char* s) {
    return std::strtod(s, nullptr);
}

bool ReadShortDecimal(std::string_view text, double& value) {
    // 10^0 to 10^22: every one exact in a double.
    static constexpr double PowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++at;
    unsigned long long digits = 0;
    int count = 0, decimals = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (++count > 15) return false;
            digits = digits * 10 + static_cast<unsigned>(c - '0');
            decimals += point ? 1 : 0;
        } else {
            return false;
        }
    }
    if (count == 0) return false;
    // Both exact, so the quotient is the decimal correctly rounded, as strtod gives it.
    const double magnitude = static_cast<double>(digits) / PowersOfTen[decimals];
    value = negative ? -magnitude : magnitude;
    return true;
}

bool ReadWholeNumber(const char* s, double& value) {
    char* end = nullptr;
    const double number = std::strtod(s, &end);
    if (end == s || *end != '\0') return false;
    value = number;
    return true;
}

bool ReadTypedNumber(std::string_view text, double& value) {
    // The white space strtod skips before a number, and no other.
    constexpr std::string_view WhiteSpace = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(WhiteSpace);
    if (first == std::string_view::npos) return false;
    const std::size_t last = text.find_last_not_of(WhiteSpace);
    return ReadWholeNumber(std::string(text.substr(first, last - first + 1)).c_str(), value);
}
