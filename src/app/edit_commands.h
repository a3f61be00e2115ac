// The Edit menu: Undo, Select All, Cut, Copy and Paste are messages to the text
// field; Find, Find Next (and Shift+F3 upward), Replace and Go To open their dialogs
// over the field's parent window.
#pragma once

#include <windows.h>

// Runs Edit menu command `command` (Undo, Select All, Cut, Copy, Paste, Find, Find
// Next, Find Previous, Replace, Go To) on the edit control.
void RunEditCommand(HWND edit, int command);
