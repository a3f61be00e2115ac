// Computed values as the fields and reports write them, at the current settings.
#pragma once

#include <string>
#include <string_view>

// A linear value: FormatFixed at the current LinearDecimals.
std::string LinearText(double value);
// The label and LinearText(value) appended to out, for lines of many numbers.
void AppendLinearText(std::string& out, std::string_view label, double value);
// A linear value as the line's reports write a deviation: LinearText, but a value
// that reads as zero without a minus sign.
std::string SignedLinearText(double value);
// An angle (radians): FormatDms at the current AngleDecimals.
std::string AngleText(double angle);
// The value LinearText(value) writes, as a double: two values whose texts are the
// same compare equal, as a reader of the report sees them.
double LinearTextValue(double value);
