// The lines of the text field that its selection touches, for the commands that
// read points or a line from the field book.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "text/selected_lines.h"

struct SelectedText {
    // A copy of the field's text: reports are formatted in the temporary strings,
    // among them the one the text is read into.
    std::string text;
    std::vector<TextLine> lines; // views into text
};

// Fills `selected` in place (its lines point into its own text, so it is not to be
// copied or moved afterwards). False, after the notice `noSelection` in a box
// captioned "Notice", when nothing is selected.
bool ReadSelectedText(HWND edit, const char* noSelection, SelectedText& selected);
