#include "elements/point_line_reader.h"

#include <initializer_list>
#include <string>
#include <utility>

#include "text/line_fields.h"
#include "text/not_a_number.h"

PointLine ReadPointLine(std::string_view line, int lineNumber) {
    PointLine point;
    if (IsBlankLine(line)) {
        point.kind = PointLine::Kind::Blank;
        return point;
    }
    // Four fields at most: enough to tell a line of exactly two from a longer one.
    const LineFields fields = SplitLineFields(line, 4);
    const bool twoNumbers = fields.count == 2;
    if (fields.count < 2) {
        point.whyUnreadable = "too few fields";
        return point;
    }
    point.yText = fields.at[twoNumbers ? 0 : 1];
    point.xText = fields.at[twoNumbers ? 1 : 2];
    for (auto [text, value] : {std::pair{point.yText, &point.y}, std::pair{point.xText, &point.x}})
        if (!ReadNumberField(text, *value)) {
            point.whyUnreadable = NotANumberText(text);
            return point;
        }
    point.name = twoNumbers ? "L" + std::to_string(lineNumber) : std::string(fields.at[0]);
    point.kind = PointLine::Kind::Point;
    return point;
}
