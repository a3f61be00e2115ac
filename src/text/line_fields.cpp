#include "text/line_fields.h"

#include <cstddef>
#include <string>

#include "text/number_text.h"
#include "text/shown_text.h"

namespace {
constexpr std::string_view BlankSeparators = " \t;";
constexpr std::size_t LongestNumberText = 100;
} // namespace

LineFields SplitLineFields(std::string_view line, int limit) {
    LineFields fields;
    if (limit > MaxLineFields) limit = MaxLineFields;
    if (line.find_first_of(BlankSeparators) != std::string_view::npos) {
        std::size_t start = line.find_first_not_of(BlankSeparators);
        while (start != std::string_view::npos && fields.count < limit) {
            std::size_t end = line.find_first_of(BlankSeparators, start);
            if (end == std::string_view::npos) end = line.size();
            fields.at[fields.count++] = line.substr(start, end - start);
            start = line.find_first_not_of(BlankSeparators, end);
        }
        return fields;
    }
    std::size_t start = 0;
    while (fields.count < limit) {
        std::size_t comma = line.find(',', start);
        fields.at[fields.count++] =
            line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return fields;
}

bool ReadNumberField(std::string_view field, double& value) {
    return field.size() <= LongestNumberText && ReadWholeNumber(std::string(field).c_str(), value);
}

bool IsBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string SkippedLineNote(int number, std::string_view text, std::string_view reason) {
    constexpr std::size_t LongestSkippedText = 120;
    std::string note = "! Line " + std::to_string(number) + " skipped";
    if (!reason.empty()) (note += ", ") += reason;
    note += ": ";
    note += ShownText(text.substr(0, LongestSkippedText));
    if (text.size() > LongestSkippedText) note += "...";
    note += "\r\n";
    return note;
}
