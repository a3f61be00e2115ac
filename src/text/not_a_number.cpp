#include "text/not_a_number.h"

#include <cstddef>

bool HoldsDecimalComma(std::string_view text) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t at = text.find(','); at != std::string_view::npos; at = text.find(',', at + 1))
        if (at > 0 && at + 1 < text.size() && digit(text[at - 1]) && digit(text[at + 1])) return true;
    return false;
}

std::string NotANumberText(std::string_view text) {
    return QuotedText(text) + " is not a number" +
           (HoldsDecimalComma(text) ? " (write a decimal point)" : "");
}

std::string NotAFiniteNumberText(std::string_view text) {
    return QuotedText(text) + " is not a finite number";
}

bool StartsLikeANumber(std::string_view text) {
    if (text.empty()) return false;
    const char first = text[0];
    return (first >= '0' && first <= '9') || first == '+' || first == '-' || first == '.';
}
