#include "route/table_fields.h"

#include <cmath>

#include "text/not_a_number.h"

bool IsTableWord(std::string_view field, std::string_view word) {
    if (field.size() != word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = field[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != word[i]) return false;
    }
    return true;
}

std::string TableLineName(int number) {
    return "line " + std::to_string(number);
}

std::string ReadTableNumber(const LineFields& fields, int at, std::string_view label, int lineNumber,
                            double& value, bool finite) {
    const std::string_view field = fields.at[at];
    // A control character (a lone CR or LF) shown as "?", so that the refusal stays
    // one line.
    std::string shown(field);
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20) c = '?';
    const std::string what = TableLineName(lineNumber) + ": the " + std::string(label) + " field ";
    if (!ReadNumberField(field, value)) return what + NotANumberText(shown);
    if (finite && !std::isfinite(value)) return what + QuotedText(shown) + " is not a finite number";
    return {};
}
