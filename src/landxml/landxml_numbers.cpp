#include "landxml/landxml_numbers.h"

#include <algorithm>
#include <cmath>

#include "text/line_fields.h"

namespace {
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The next run of characters that are not white space, from `at` on.
std::string_view NextWord(std::string_view text, std::size_t& at) {
    while (at < text.size() && IsSpace(text[at])) ++at;
    const std::size_t start = at;
    while (at < text.size() && !IsSpace(text[at])) ++at;
    return text.substr(start, at - start);
}
} // namespace

int DecimalsOf(std::string_view text) {
    if (text.find_first_of("eE") != std::string_view::npos) return MostDecimals;
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) return 0;
    int digits = 0;
    for (std::size_t i = point + 1; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) ++digits;
    return std::min(digits, MostDecimals);
}

bool ReadFileNumber(std::string_view text, double& value) {
    std::size_t at = 0;
    const std::string_view word = NextWord(text, at);
    if (!NextWord(text, at).empty()) return false;
    return ReadNumberField(word, value) && std::isfinite(value);
}

bool ReadFileNumbers(std::string_view text, std::vector<double>& values) {
    values.clear();
    std::size_t at = 0;
    for (std::string_view word = NextWord(text, at); !word.empty(); word = NextWord(text, at)) {
        double value = 0;
        if (!ReadNumberField(word, value) || !std::isfinite(value)) return false;
        values.push_back(value);
    }
    return true;
}

int MostDecimalsIn(std::string_view text) {
    int most = 0;
    std::size_t at = 0;
    for (std::string_view word = NextWord(text, at); !word.empty(); word = NextWord(text, at))
        most = std::max(most, DecimalsOf(word));
    return most;
}
