// Applying the two fields of the Options dialog to the precision settings: the
// part of that dialog that needs no window.
#pragma once

#include <string>

// Sets LinearDecimals and AngleDecimals from the texts of the "Linears" and
// "Angles" fields: each read as a number, cut toward zero and clamped into its
// range (2..7, 0..4). Returns one note line per clamped value, Linear before
// Angles ("\r\n! Len Frac Linear = 2\r\n"), or "" when nothing was clamped.
std::string ApplyPrecisionOptions(const char* linearText, const char* angleText);
