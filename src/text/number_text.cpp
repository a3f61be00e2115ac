#include "text/number_text.h"

#include <cstdio>
#include <cstdlib>

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
