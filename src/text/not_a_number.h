// What the program says of a text that was to be a number and is not one: the words
// a refused field, a refused table line and a skipped point line share.
#pragma once

#include <string>
#include <string_view>

#include "text/shown_text.h"

// True when the text holds a comma between two digits: a decimal comma ("2,5").
bool HoldsDecimalComma(std::string_view text);

// "TEXT" is not a number, with " (write a decimal point)" when it holds a decimal
// comma.
std::string NotANumberText(std::string_view text);

// "TEXT" is not a finite number: a text read as infinity, NaN or a value beyond the
// range of a double ("inf", "nan", "1e400").
std::string NotAFiniteNumberText(std::string_view text);

// True when the text begins as a number does: a digit, a sign or a point. A field
// that may hold a number or a word (a code) is taken for a number by this, so that
// a mistyped number ("18B.498") is said, not passed over as a word.
bool StartsLikeANumber(std::string_view text);
