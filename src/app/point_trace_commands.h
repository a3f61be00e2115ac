// The Quarel > Trace selected points commands: a trace run over every point line
// of the editor's selection, its table appended to the text. No dialog opens.
#pragma once

#include <windows.h>

// Runs point trace command `command` over the lines selected in the edit control.
// 1 when it was one of them, 0 for any other command.
int RunPointTraceCommand(HWND edit, int command);
