// The main window's text field seen from outside: its whole text, typing into it,
// and the clipboard the Edit commands fill.
#pragma once

#include <string>

class Program;

std::string EditorText(const Program& program);
// Waits until the text field shows exactly this text; on timeout fails showing where
// it differs.
void WaitForEditorText(const Program& program, const std::string& expected, const std::string& what);
// Types the characters into the text field as the keyboard does (WM_CHAR), so the
// document counts as changed; returns when the field shows them.
void TypeIntoEditor(const Program& program, const std::string& characters);
// Replaces the whole text without typing (WM_SETTEXT: no change notification).
void ReplaceEditorText(const Program& program, const std::string& text);
// Puts the text on the clipboard and chooses Edit > Paste; returns when the field
// shows it.
void PasteIntoEditor(const Program& program, const std::string& text);
// Selects characters [start, end) of the text field.
void SelectInEditor(const Program& program, int start, int end);

// Chooses Cut or Copy and returns the clipboard's text once the program has put it
// there. The driver keeps off the clipboard while the program works on it: a
// clipboard held open by the driver would make the program's copy fail.
std::string CommandToClipboard(const Program& program, int commandId);
