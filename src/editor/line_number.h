// The line number typed into Go To, and the answer when it names no line.
#pragma once

#include <string>
#include <string_view>

// The line (1 to lineCount) the typed text names: digits, blanks around them allowed.
// 0 when it is anything else (empty, a sign, letters, 0, beyond the last line).
int ParseLineNumber(std::string_view typed, int lineCount);

// "There is no line N in this text; it has M lines." (N as typed, blanks trimmed;
// "1 line" for a text of one line).
std::string NoSuchLineText(std::string_view typed, int lineCount);
