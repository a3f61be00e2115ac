// The fields of a line of the field book, as surveyors type or paste them: separated
// by blanks, tabs or semicolons, a run of them counting as one; a line with none of
// those but with commas is split at each comma (a CSV line).
#pragma once

#include <array>
#include <string>
#include <string_view>

// At most MaxLineFields fields are kept: enough for every kind of line the program
// reads, however many a long line holds.
constexpr int MaxLineFields = 8;

struct LineFields {
    std::array<std::string_view, MaxLineFields> at;
    int count = 0;
};

// The first `limit` fields of the line (limit at most MaxLineFields); views into it.
LineFields SplitLineFields(std::string_view line, int limit);

// True when the field is a whole number text of at most 100 characters, as
// ParseNumber reads it; the number is then put in value. No surveyed figure is
// written with more characters: a longer field is not read at all, since the
// standard conversion's time grows with the digits of a fraction (over a minute for
// a megabyte of them under Windows).
bool ReadNumberField(std::string_view field, double& value);

// True when the line holds nothing but blanks and tabs.
bool IsBlankLine(std::string_view line);

// The note of a line a reader skipped: "! Line N skipped: " (with a reason:
// "! Line N skipped, REASON: ") and the line's first 120 characters, control bytes
// shown as "?" ("..." after them when it is longer), CR LF: always one line. Enough to find the line; a line of a megabyte
// does not come into a report a second time.
std::string SkippedLineNote(int number, std::string_view text, std::string_view reason = {});
