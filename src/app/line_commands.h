// The commands of the Quarel > Line menu, on the line of a route read from the
// field book.
#pragma once

#include <windows.h>

// Runs `command` on the text field `edit` when it is a Line command: 1 then, 0 for
// any other command.
int RunLineCommand(HWND edit, int command);
