#include "elements/point_line_reader.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

#include "geometry/tolerances.h"
#include "text/line_fields.h"
#include "text/not_a_number.h"
#include "text/shown_text.h"

namespace {
constexpr std::string_view BeyondTrack = " lies beyond what track can have";

// Why a coordinate's text gives no coordinate; empty when it gives a finite one
// within FarthestCoordinate of the grid's origin.
std::string CoordinateRefusal(std::string_view text, double& value) {
    if (!ReadNumberField(text, value)) return NotANumberText(text);
    if (!std::isfinite(value)) return NotAFiniteNumberText(text);
    if (!(std::abs(value) <= FarthestCoordinate)) return QuotedText(text) + std::string(BeyondTrack);
    return {};
}

// The fourth field as a level: none when it is no number and does not start like
// one (a code); the note of a level that cannot be read, or the level.
void ReadLevel(std::string_view text, PointLine& point) {
    double level = 0;
    const bool read = ReadNumberField(text, level);
    if (!read && !StartsLikeANumber(text)) return;
    if (!read)
        point.levelNote = "!Level " + NotANumberText(text) + "!";
    else if (!std::isfinite(level))
        point.levelNote = "!Level " + NotAFiniteNumberText(text) + "!";
    else if (!(std::abs(level) <= HighestLevel))
        point.levelNote = "!Level " + QuotedText(text) + std::string(BeyondTrack) + "!";
    else
        point.level = level;
}
} // namespace

PointLine ReadPointLine(std::string_view line, int lineNumber) {
    PointLine point;
    if (IsBlankLine(line)) {
        point.kind = PointLine::Kind::Blank;
        return point;
    }
    // Five fields at most: the point, its level and its measured cant.
    const LineFields fields = SplitLineFields(line, 5);
    const bool twoNumbers = fields.count == 2;
    // A name and one number is a line that lacks a coordinate, not a name misread.
    if (fields.count < 2 || (twoNumbers && !StartsLikeANumber(fields.at[0]))) {
        point.whyUnreadable = "too few fields";
        return point;
    }
    point.yText = fields.at[twoNumbers ? 0 : 1];
    point.xText = fields.at[twoNumbers ? 1 : 2];
    for (auto [text, value] : {std::pair{point.yText, &point.y}, std::pair{point.xText, &point.x}})
        if (std::string why = CoordinateRefusal(text, *value); !why.empty()) {
            point.whyUnreadable = std::move(why);
            return point;
        }
    // The fourth field: a level, "-" (or, in a CSV line, an empty field) for none,
    // or a code.
    const bool noLevel = fields.count >= 4 && (fields.at[3] == "-" || fields.at[3].empty());
    if (fields.count >= 4 && !noLevel) ReadLevel(fields.at[3], point);
    // The measured cant follows a level or "-"; after a code it is no cant.
    double cant = 0;
    if (fields.count == 5 && (point.level || noLevel) && ReadNumberField(fields.at[4], cant) &&
        std::isfinite(cant))
        point.measuredCant = cant;
    // Appended to the empty name: GCC 12 at -O3 wrongly sees an overlapping copy
    // (-Wrestrict) in "L" + std::to_string(...) and in an assignment of "L".
    if (twoNumbers)
        point.name.append(1, 'L').append(std::to_string(lineNumber));
    else
        point.name.append(ShownText(fields.at[0]));
    point.kind = PointLine::Kind::Point;
    return point;
}
