// The Options dialog (template 570): the decimals of linear values and of angles.
#pragma once

#include <windows.h>

// Shows the two settings. OK applies the fields (clamping them into range and
// noting each clamp at the end of the text) and stays open; Close, which is also
// the default button for Enter, Esc and the close box end it without applying.
// Opened with the text field the notes go to as the init parameter. Answers 0 to
// every message.
INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
