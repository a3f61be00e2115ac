// A line of the field book read as a surveyed point: name, Y and X, as pasted from
// an instrument's export or typed in the field ("P17  5234.118  6789.402  101.35").
//
// Fields are separated by blanks, tabs or semicolons, a run of them counting as
// one; a line with none of those but with commas is split at each comma (a CSV
// line). The first field is the name, the second Y, the third X, the fourth, when
// it is a finite number, the point's level H ("-" for a point without one, or an
// empty field of a CSV line); the
// fifth, after a level or "-", when it is a finite number, the cant measured at the
// point in millimetres; further fields (code) are ignored.
// Y and X must each be a whole number text of at most 100 characters, so a decimal
// comma ("5234,12") makes the line fail rather than be misread. A line of exactly
// two numbers is a point named "L<line number>".
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct PointLine {
    enum class Kind { Blank, Point, Unreadable } kind = Kind::Unreadable;
    std::string name;              // as written, or "L<line number>"
    std::string_view yText, xText; // as written; views into the line given
    double y = 0, x = 0;           // ParseNumber of them
    std::optional<double> level;   // the fourth field, when it is a finite number
    std::optional<double> measuredCant; // the fifth field (mm), when it is one
    // Why an Unreadable line gives no point: "too few fields", or the first of Y and
    // X that is no number ("\"5234,12\" is not a number (write a decimal point)").
    std::string whyUnreadable;
};

// A line of blanks and tabs only is Blank; one that gives no point is Unreadable.
PointLine ReadPointLine(std::string_view line, int lineNumber);
