// Searching the editor text: forward and backward from a position, with or without
// letter case, whole words or any place; and Replace All as one change. Positions
// are byte offsets into the text (one byte a character in the ANSI code page).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t NoMatch = std::string_view::npos;

struct SearchOptions {
    bool matchCase = false; // false: A-Z and a-z match either case (nothing else folds)
    bool wholeWord = false; // true: no word character right before or after the match
    bool down = true;       // false: search toward the start of the text
};

// A word character: an ASCII letter or digit, the underscore, or any byte of 128 or
// more (the code page's letters beyond ASCII).
bool IsWordCharacter(char c);

// Where `what` next occurs. Down: the first match that starts at `from` or later.
// Up: the last match that ends at `from` or earlier. NoMatch when there is none, or
// when `what` is empty. A `from` beyond the text counts as its end.
std::size_t FindInText(std::string_view text, std::string_view what, std::size_t from,
                       const SearchOptions& options);

// Find Next: FindInText from `from`; when there is no match before the end (searching
// up: before the start), once more from the start (up: from the end), so that a match
// anywhere in the text is found. NoMatch when there is none at all.
std::size_t FindWrappingAround(std::string_view text, std::string_view what, std::size_t from,
                               const SearchOptions& options);

// True when `what` matches the text at `at` under the options (direction aside).
bool MatchesAt(std::string_view text, std::string_view what, std::size_t at, const SearchOptions& options);

// Replace All as one change: every match from the start of the text, left to right,
// none overlapping, replaced by `with`. The change is the span [start, end) of the
// old text, which becomes `replacement`; everything outside it stays.
struct ReplaceAllChange {
    std::size_t count = 0; // 0: no match, nothing to change
    std::size_t start = 0;
    std::size_t end = 0;
    std::string replacement;
};
ReplaceAllChange ReplaceAllInText(std::string_view text, std::string_view what, std::string_view with,
                                  const SearchOptions& options);

// The message when nothing more is found: Cannot find "what".
std::string CannotFindText(std::string_view what);
