// Edit > Find, Find Next and Replace through the common dialogs (FindTextA,
// ReplaceTextA): one modeless dialog at a time, whose requests reach the owner
// window as the registered FINDMSGSTRING message. The text searched for and the
// options stay for the rest of the run (Find Next uses them).
#pragma once

#include <windows.h>

// Opens Find (or brings it forward when open), the text searched for set to the
// selection when it lies on one line.
void OpenFindDialog(HWND owner, HWND edit);
// The same for Replace.
void OpenReplaceDialog(HWND owner, HWND edit);
// F3 (downward as last chosen in Find) or Shift+F3 (upward): the next match of the
// last text searched for; with no earlier search, opens Find.
void FindNextCommand(HWND owner, HWND edit, bool upward);

// The registered message the dialogs send to their owner.
UINT FindReplaceMessage();
// Carries out what the dialog asks (Find Next, Replace, Replace All, or its closing).
void OnFindReplaceMessage(HWND edit, LPARAM findReplace);
// The open Find or Replace dialog, or nullptr: the message loop passes its messages
// through IsDialogMessage.
HWND OpenFindReplaceDialog();
