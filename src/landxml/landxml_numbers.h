// The numbers of a LandXML file as its texts write them: a value, and how many
// decimals it is written with (the import writes its tables with as many).
#pragma once

#include <string_view>
#include <vector>

// Decimals written with more than this, or in exponent form, count as this many:
// 1e-8 m lies far below the 1e-6 m to which a table reproduces the file.
constexpr int MostDecimals = 8;

// The digits after the decimal point of a number text (MostDecimals for an exponent
// form, or when there are more).
int DecimalsOf(std::string_view text);

// The whole text (white space around it aside) read as one finite number.
bool ReadFileNumber(std::string_view text, double& value);

// The numbers of a text of numbers separated by white space ("northing easting
// elevation"); false when any of them is not a finite number.
bool ReadFileNumbers(std::string_view text, std::vector<double>& values);

// The most decimals any number of the text is written with.
int MostDecimalsIn(std::string_view text);
