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
