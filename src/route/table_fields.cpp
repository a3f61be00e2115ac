#include "route/table_fields.h"

#include <cmath>
#include <cstdio>

#include "text/not_a_number.h"
#include "text/shown_text.h"

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
    const std::string what = TableLineName(lineNumber) + ": the " + std::string(label) + " field ";
    if (!ReadNumberField(field, value)) return what + NotANumberText(field);
    if (finite && !std::isfinite(value)) return what + NotAFiniteNumberText(field);
    return {};
}

std::string RangeRefusal(const LineFields& fields, int at, std::string_view label, int lineNumber,
                         double value, double least, double most) {
    if (value >= least && value <= most) return {};
    char bounds[64];
    std::snprintf(bounds, sizeof bounds, " (%g to %g)", least, most);
    return TableLineName(lineNumber) + ": the " + std::string(label) + " field " + QuotedText(fields.at[at]) +
           " lies beyond what track can have" + bounds;
}

std::string TableName(std::string_view field) {
    return ShownText(field);
}
