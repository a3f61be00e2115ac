// The document: file name, window title, whether the text differs from the file,
// and the File commands that change them. Each command returns 1 (done) or 0
// (not done: cancelled or failed, in which case text, file name, title and the
// modified flag stay as they were).
#pragma once

#include <string>

// 1 when the text field has changed since the last successful New, Open or Save.
extern int ModifiedFlag;
// The last Yes (1) or No (0) answer to "File has changed. Save?".
extern int SaveOnConfirm;
// Full path of the current file; empty for a new document.
extern std::string FileName;

// "Quarel Editor by Tenrik (rus)", and the title last given to the main window.
extern const char* const BaseTitle;
extern std::string WindowTitle;

int NewDocument();
int OpenDocument();
// Saves under FileName, or asks for a name first when there is none.
int SaveDocument();
// Saves under FileName as it stands.
int SaveToFileName();
int SaveDocumentAs();
// Asks the save question, then puts the example field book into a new document
// (untitled, not modified: the example can always be had again).
int ExampleDocument();
// Asks the save question, then ends the message loop. 0 when the user cancelled.
int ExitProgram();
// Prints the field book through the Print dialog.
void PrintDocument();
// The File commands manage the modified flag themselves: it keeps its value when a
// command is cancelled or fails.
// Asks "File has changed. Save?" when the text is modified: 1 to go on, 0 to cancel
// the command (Cancel, or Yes followed by a save that did not happen).
int ConfirmSave();
