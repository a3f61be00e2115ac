// The text field's text and selection as the search, Go To and Print commands use
// them: the whole text as one string, the selection's ends, and selecting a range
// with the caret scrolled into view.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

struct EditorSelection {
    std::size_t start = 0;
    std::size_t end = 0;
};

// The field's whole text, however long (a string of its own, not a temporary).
std::string EditorWholeText(HWND edit);
EditorSelection GetEditorSelection(HWND edit);
// Selects [start, end) and scrolls the caret (at end) into view.
void SelectAndShow(HWND edit, std::size_t start, std::size_t end);
