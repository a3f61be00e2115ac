#include "text/line_fields.h"

#include <cstddef>
#include <string>

#include "text/number_text.h"
#include "text/shown_text.h"

namespace {
constexpr std::size_t LongestNumberText = 100;

// A blank, a tab or a semicolon: compared character by character, since every
// selected line of a survey is split and a search for any of a set is slower.
bool IsBlankSeparator(char c) {
    return c == ' ' || c == '\t' || c == ';';
}
} // namespace

LineFields SplitLineFields(std::string_view line, int limit) {
    LineFields fields;
    if (limit > MaxLineFields) limit = MaxLineFields;
    std::size_t first = 0;
    while (first < line.size() && !IsBlankSeparator(line[first])) ++first;
    if (first < line.size()) {
        const std::size_t size = line.size();
        std::size_t start = 0;
        while (fields.count < limit) {
            while (start < size && IsBlankSeparator(line[start])) ++start;
            if (start == size) break;
            std::size_t end = start;
            while (end < size && !IsBlankSeparator(line[end])) ++end;
            fields.at[fields.count++] = line.substr(start, end - start);
            start = end;
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
    if (ReadShortDecimal(field, value)) return true;
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
