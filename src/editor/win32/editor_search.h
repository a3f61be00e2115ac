// Find Next, Replace and Replace All carried out on the text field, on the core's
// search (editor/text_search.h). "Cannot find" is told in a box captioned
// "Quarel Editor"; the selection then stays as it was.
#pragma once

#include <windows.h>

#include <string>

#include "editor/text_search.h"

inline constexpr const char* SearchCaption = "Quarel Editor";

// Searches from the caret, or past the selection (down: after its end; up: before its
// start), on past the end from the start (up: past the start from the end), selects
// the match and scrolls it into view. 1 when found, else 0 (after the box).
int FindNextInEditor(HWND edit, const std::string& what, const SearchOptions& options);

// When the selection is a match of `what`, replaces it (undoably, as typing does,
// so the document counts as changed); then finds the next match downward.
// 1 when a next match was found.
int ReplaceInEditor(HWND edit, const std::string& what, const std::string& with, const SearchOptions& options);

// Replaces every match in the text as one change, which one Undo takes back whole,
// and leaves the caret at the start of the text. The count replaced; 0 after the box
// when there was none.
std::size_t ReplaceAllInEditor(HWND edit, const std::string& what, const std::string& with,
                               const SearchOptions& options);
