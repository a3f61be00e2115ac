#include "editor/line_number.h"

namespace {
std::string_view TrimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}
} // namespace

int ParseLineNumber(std::string_view typed, int lineCount) {
    const std::string_view digits = TrimBlanks(typed);
    if (digits.empty()) return 0;
    long long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
        if (value > lineCount) return 0; // also keeps the value from overflowing
    }
    return static_cast<int>(value); // 0 when the digits were all zeros
}

std::string NoSuchLineText(std::string_view typed, int lineCount) {
    return "There is no line " + std::string(TrimBlanks(typed)) + " in this text; it has " +
           std::to_string(lineCount) + (lineCount == 1 ? " line." : " lines.");
}
