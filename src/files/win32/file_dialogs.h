// The common Open and Save dialogs that choose the document's file name. Both use
// one shared dialog record, filled again by FileDialogSetup before each use.
#pragma once

#include <windows.h>

#include <string>

// Fills the shared record: owner, the "Text Files" and "All Files" filters, default
// extension "txt", and the process's current folder as the folder to open in.
void FileDialogSetup(HWND owner);

// Empties fileName, shows the "Open File" dialog and puts the chosen path in
// fileName (left empty when cancelled). Nonzero when a name was chosen.
BOOL ChooseOpenFile(HWND owner, std::string& fileName);

// Shows the "Save File" dialog starting from fileName (asking before an existing
// file is overwritten) and puts the chosen path in fileName (left as it was when
// cancelled). Nonzero when a name was chosen.
BOOL ChooseSaveFile(HWND owner, std::string& fileName);

// Shows an Open dialog of its own record with its own title, filters (pairs of
// description and pattern, ending with an extra NUL) and default extension, for a
// file that must exist, and puts the chosen path in fileName (left empty when
// cancelled). Nonzero when a name was chosen.
BOOL ChooseFileToRead(HWND owner, const char* title, const char* filters, const char* extension,
                      std::string& fileName);

// Shows a "Save File" dialog of its own record (the field book's dialog keeps its
// types) with the given types (description and pattern pairs, the list ending with
// an extra NUL) and default extension, asking before an existing file is
// overwritten. Puts the chosen path in fileName and the chosen type (1 for the
// first) in typeIndex. Nonzero when a name was chosen.
BOOL ChooseSaveFileOfType(HWND owner, const char* types, const char* defaultExtension, std::string& fileName,
                          DWORD& typeIndex);

// As ChooseFileToRead, for a file to write: a Save dialog that asks before an
// existing file is overwritten.
BOOL ChooseFileToWrite(HWND owner, const char* title, const char* filters, const char* extension,
                       std::string& fileName);
