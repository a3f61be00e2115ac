// Numbers to text and back, as every field and report of the program writes and reads them.
#pragma once

#include <string_view>

// x written with "% .15G": up to 15 significant digits, a blank in place of the
// sign of a value that is not negative ("INF", "NAN" for non-finite values).
char* FormatNumber(double x);

// The standard decimal conversion of the "C" locale: leading white space skipped,
// an optional sign, inf/infinity, nan, hexadecimal or decimal numbers; the rest
// ignored; a text without a number gives 0. Reads nothing beyond the terminator.
double ParseNumber(const char* s);

// A plain decimal of at most 15 digits ("-12.345", "5.", ".5", an optional sign):
// true and its value, exactly what ParseNumber gives, without the general
// conversion; false for any other text (which ParseNumber may still read).
bool ReadShortDecimal(std::string_view text, double& value);

// True when ParseNumber reads the whole of s as one number, nothing left over and
// s not empty; the number is then put in value.
bool ReadWholeNumber(const char* s, double& value);

// A number typed into a field: true when the text, white space around it aside, is
// wholly one number as ReadWholeNumber reads it; value is then what ParseNumber gives
// for the text as typed.
bool ReadTypedNumber(std::string_view text, double& value);
