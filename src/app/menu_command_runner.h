// Runs a menu command (or the key that stands for it): looks it up once in the one
// table of commands, shows the notice of a precondition that does not hold, or runs
// it by its kind.
#pragma once

#include <windows.h>

// Dialogs are owned by `owner`; the text commands and the reports work on the text
// field `editor`; a picture's Print and Fit on the picture's window `source`. An id
// that is no command does nothing.
void RunMenuCommand(HWND owner, HWND editor, int id, HWND source = nullptr);
