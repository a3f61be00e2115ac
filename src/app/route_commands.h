// The commands of the Quarel > Line menu, on the line of a route read from the
// field book.
#pragma once

#include <windows.h>

// Runs `command` when it is a Line command, its reports going to the text field
// `edit` and its dialog owned by `owner`: 1 then, 0 for any other command.
int RunRouteCommand(HWND owner, HWND edit, int command);
