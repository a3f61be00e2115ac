// Where the text field's caret, selection and view stand, read from outside (texts
// under 65,536 characters: the positions come back packed in one answer).
#pragma once

#include <windows.h>

class Program;

struct EditorRange {
    int start = 0;
    int end = 0;
};

EditorRange SelectionOf(const Program& program);
// Waits until the selection is [start, end); fails showing it otherwise.
void WaitForSelection(const Program& program, int start, int end, const char* what);
// The line (from 0) holding the character, and the first line in view.
int LineOfCharacter(const Program& program, int position);
int FirstVisibleLine(const Program& program);
// Checks the line holding the character is in view (between the first visible line
// and as many lines below as the field shows).
void CheckLineInView(const Program& program, int position, const char* what);
