// The lines of a text that a selection touches. Lines end at CR LF, as the
// editor's text field breaks them; a lone CR or LF is a character of its line.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

struct TextLine {
    int number;            // 1 for the first line of the text
    std::string_view text; // without its CR LF; a view into the text given
};

// Every line of which any character (its CR LF included) lies in the selection of
// characters [start, end), in order. None when the selection is empty.
std::vector<TextLine> SelectedLines(std::string_view text, std::size_t start, std::size_t end);
