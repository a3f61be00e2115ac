#include "elements/point_line_reader.h"

#include <cmath>
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
    // Five fields at most: the point, its level and its measured cant.
    const LineFields fields = SplitLineFields(line, 5);
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
    double level = 0;
    const bool levelRead = fields.count >= 4 && ReadNumberField(fields.at[3], level) && std::isfinite(level);
    if (levelRead) point.level = level;
    // The measured cant follows a level or "-" (no level; in a CSV line also an empty
    // field); after a code it is no cant.
    double cant = 0;
    const bool noLevel = fields.at[3] == "-" || fields.at[3].empty();
    if (fields.count == 5 && (levelRead || noLevel) && ReadNumberField(fields.at[4], cant) &&
        std::isfinite(cant))
        point.measuredCant = cant;
    // Appended to the empty name: GCC 12 at -O3 wrongly sees an overlapping copy
    // (-Wrestrict) in "L" + std::to_string(...) and in an assignment of "L".
    if (twoNumbers)
        point.name.append(1, 'L').append(std::to_string(lineNumber));
    else
        point.name.append(fields.at[0]);
    point.kind = PointLine::Kind::Point;
    return point;
}
