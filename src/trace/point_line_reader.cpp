#include "trace/point_line_reader.h"

#include <cstddef>
#include <string>

#include "text/number_text.h"

namespace {

constexpr std::string_view BlankSeparators = " \t;";

// At most four fields: enough to tell a line of exactly two from a longer one,
// however many a long line holds.
struct Fields {
    std::string_view at[4];
    int count = 0;
    void Add(std::string_view field) {
        if (count < 4) at[count++] = field;
    }
};

Fields SplitFields(std::string_view line) {
    Fields fields;
    if (line.find_first_of(BlankSeparators) != std::string_view::npos) {
        std::size_t start = line.find_first_not_of(BlankSeparators);
        while (start != std::string_view::npos && fields.count < 4) {
            std::size_t end = line.find_first_of(BlankSeparators, start);
            if (end == std::string_view::npos) end = line.size();
            fields.Add(line.substr(start, end - start));
            start = line.find_first_not_of(BlankSeparators, end);
        }
        return fields;
    }
    std::size_t start = 0;
    while (fields.count < 4) {
        std::size_t comma = line.find(',', start);
        fields.Add(
            line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return fields;
}

// No surveyed coordinate is written with more characters than this; a longer
// field is not read at all, since the standard conversion's time grows with the
// digits of a fraction (over a minute for a megabyte of them under Windows).
constexpr std::size_t LongestNumberText = 100;

bool IsNumberField(std::string_view field, double& value) {
    return field.size() <= LongestNumberText && ReadWholeNumber(std::string(field).c_str(), value);
}

} // namespace

PointLine ReadPointLine(std::string_view line, int lineNumber) {
    PointLine point;
    if (line.find_first_not_of(" \t") == std::string_view::npos) {
        point.kind = PointLine::Kind::Blank;
        return point;
    }
    const Fields fields = SplitFields(line);
    const bool twoNumbers = fields.count == 2;
    if (fields.count < 2) return point;
    point.yText = fields.at[twoNumbers ? 0 : 1];
    point.xText = fields.at[twoNumbers ? 1 : 2];
    if (!IsNumberField(point.yText, point.y) || !IsNumberField(point.xText, point.x)) return point;
    point.name = twoNumbers ? "L" + std::to_string(lineNumber) : std::string(fields.at[0]);
    point.kind = PointLine::Kind::Point;
    return point;
}
