// The menu commands that open a modal dialog: Options, About and the six calculators.
#pragma once

#include <windows.h>

// Beeps and runs the dialog of `command` modally over `owner`, returning when it
// has ended. 1 when the command opens a dialog, 0 for any other command.
int RunDialogCommand(HWND owner, int command);
