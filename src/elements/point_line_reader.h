// A line of the field book read as a surveyed point: name, Y and X, as pasted from
// an instrument's export or typed in the field ("P17  5234.118  6789.402  101.35").
//
// Fields are separated by blanks, tabs or semicolons, a run of them counting as
// one; a line with none of those but with commas is split at each comma (a CSV
// line). The first field is the name, the second Y, the third X, the fourth the
// point's level H ("-" for a point without one, or an empty field of a CSV line);
// the fifth, after a level or "-", when it is a finite number, the cant measured at
// the point in millimetres; further fields (code) are ignored. Y and X must each be
// a whole number text of at most 100 characters, finite and within
// FarthestCoordinate (geometry/tolerances.h), so a decimal comma ("5234,12") makes
// the line fail rather than be misread. A fourth field that is no number and does
// not start like one is a code, not a level; one that starts like a number but
// cannot be read as a level (a decimal comma, a letter, not finite, beyond
// HighestLevel) leaves the point without a level and with a note that says so. A
// line of exactly two numbers is a point named "L<line number>"; a name and one
// number lacks a field.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct PointLine {
    enum class Kind { Blank, Point, Unreadable } kind = Kind::Unreadable;
    std::string name;              // as written (control bytes shown as "?"), or "L<line number>"
    std::string_view yText, xText; // as written; views into the line given
    double y = 0, x = 0;           // ParseNumber of them
    std::optional<double> level;   // the fourth field, when it is a level
    // Said in place of the level's comparison when the fourth field is meant as a
    // level but cannot be one: !Level "188,498" is not a number (write a decimal
    // point)! ("... is not a finite number!", "... lies beyond what track can have!");
    // empty otherwise.
    std::string levelNote;
    std::optional<double> measuredCant; // the fifth field (mm), when it is one
    // Why an Unreadable line gives no point: "too few fields", or the first of Y and
    // X that is no coordinate ("\"5234,12\" is not a number (write a decimal point)",
    // "\"inf\" is not a finite number", "\"1e200\" lies beyond what track can have").
    std::string whyUnreadable;
};

// A line of blanks and tabs only is Blank; one that gives no point is Unreadable.
PointLine ReadPointLine(std::string_view line, int lineNumber);
