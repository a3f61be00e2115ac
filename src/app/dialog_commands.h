// The menu commands that open a modal dialog: Options, About and the calculators.
#pragma once

#include <windows.h>

// Beeps and runs the dialog of `command` modally over `owner`, returning when it
// has ended; the dialog's reports go to the text field `editor`. 1 when the
// command opens a dialog, 0 for any other command.
int RunDialogCommand(HWND owner, HWND editor, int command);
