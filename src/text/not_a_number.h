// What the program says of a text that was to be a number and is not one: the words
// a refused field, a refused table line and a skipped point line share.
#pragma once

#include <string>
#include <string_view>

// True when the text holds a comma between two digits: a decimal comma ("2,5").
bool HoldsDecimalComma(std::string_view text);

// The text in double quotes; one of more than 40 characters is cut to them and
// "..." follows, so that a pasted page never fills a message.
std::string QuotedText(std::string_view text);

// "TEXT" is not a number, with " (write a decimal point)" when it holds a decimal
// comma.
std::string NotANumberText(std::string_view text);
