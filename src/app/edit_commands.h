// The Edit menu: each command is a message to the text field.
#pragma once

#include <windows.h>

// Runs Edit menu command `command` (Undo, Select All, Cut, Copy, Paste) on the
// edit control. 1 when it was one of them, 0 for any other command.
int RunEditCommand(HWND edit, int command);
