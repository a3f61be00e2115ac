// Message boxes and dialogs of the program under test, found as a person finds them
// (by caption, by the text they show) and answered by pressing their buttons.
#pragma once

#include <initializer_list>
#include <string>

#include <windows.h>

class Program;

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string caption;
    std::string text;  // the message, read from the box's text control 0xFFFF
};

// Waits for a message box or dialog of the program with this caption.
HWND WaitForDialog(const Program& program, const std::string& caption);
// Chooses the menu command and waits for the dialog it opens, found by its caption.
HWND OpenFromMenu(const Program& program, int commandId, const std::string& caption);
// Presses the keys in the program and waits for the dialog they open. Under a loaded
// Wine the first keys after a window comes forward are now and then not delivered:
// while no dialog shows, the keys are pressed again, three times at most.
HWND OpenByKeys(const Program& program, std::initializer_list<WORD> keys, const std::string& caption);
// Waits for a message box with this caption and returns what it shows.
MessageBoxSeen WaitForMessageBox(const Program& program, const std::string& caption);
// Waits for a message box whose message begins with `textStart`, whatever its caption.
MessageBoxSeen WaitForMessageBoxSaying(const Program& program, const std::string& textStart);
// Presses a button (IDOK, IDYES, IDNO, IDCANCEL, or a dialog's own) and waits until
// the window has closed.
void PressAndWaitClosed(HWND window, int buttonId);
// Presses a button of a window that is to stay open (CALC, Options' OK).
void PressInPlace(HWND window, int buttonId, const std::string& what);
// A key pressed in a control of a dialog (posted as WM_KEYDOWN/WM_KEYUP, as the
// keyboard does, so that the dialog manager sees it).
void PressKey(HWND control, WORD virtualKey);
// Waits for a message box or dialog with this caption, checks its message, presses
// the button and waits until it has closed.
void AnswerMessageBox(const Program& program, const std::string& caption, const std::string& expectedText,
                      int buttonId);
// Checks the dialog stands in the middle of the desktop work area (integer halves).
void CheckCentredOnWorkArea(HWND dialog, const std::string& what);
// True when no dialog or message box of the program is on screen.
bool NoDialogOpen(const Program& program);
// Fails when a message box or dialog appears within a short time.
void CheckNoDialogAppears(const Program& program, const std::string& when);
