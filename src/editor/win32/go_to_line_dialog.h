// Edit > Go To: the modal "Go To Line" dialog (template 590) that moves the caret to
// the start of a line of the text field.
#pragma once

#include <windows.h>

// Caption of the box that answers a number naming no line.
inline constexpr const char* GoToCaption = "Quarel Editor";

// Runs the dialog over owner: the field holds the caret's line; OK with a line of the
// text moves the caret to its start and scrolls it into view; a number that is no
// line gets "There is no line N in this text; it has M lines." and the dialog stays.
// 1 when the caret moved, 0 when cancelled.
int RunGoToLineDialog(HWND owner, HWND edit);
