// Reading a text file into the editor and writing the editor's text to a file.
// Failures are told to the user in message boxes; the program always goes on.
#pragma once

#include <windows.h>

#include <string_view>

// Message texts and captions of the file operations.
inline constexpr const char* FileOpenFailedText = "File open failed.";
inline constexpr const char* FileSaveFailedText = "File Save failed.";
inline constexpr const char* CantOpenFilePrefix = "Can't open file "; // followed by the name
inline constexpr const char* CantOpenFileCaption = "Error!";
inline constexpr const char* OutOfSpaceText = "Edit control out of space.";
inline constexpr const char* OutOfSpaceCaption = "Error!";
// Caption of the warning about bytes left after an end-of-file mark
// (files/end_of_file_mark.h).
inline constexpr const char* EndOfFileMarkCaption = "Quarel Editor";

// Replaces the editor's whole text by the file's text in one step, caret at the
// end and the focus in the editor; where bytes follow an end-of-file mark (Ctrl+Z),
// the text before the mark is loaded and a warning box names the mark's offset and
// the bytes left out (the file is not changed). 1 when done; 0 when the name is empty or names
// nothing, the file cannot be read, or the editor cannot hold the text (the editor
// then keeps its former text).
int LoadTextFile(HWND editor, const char* fileName);

// Tells the user "Edit control out of space."; while a load is in progress, only
// the first time. The main window calls it for the editor's EN_ERRSPACE and
// EN_MAXTEXT notifications.
void ReportEditorOutOfSpace();

// Writes the editor's text to the file, safely: into a temporary file beside it,
// flushed and closed, then put in the file's place. 1 when done; 0 when the name
// is empty, the file cannot be written, or any step fails (the file on disk is
// then as it was).
int SaveTextFile(HWND editor, const char* fileName);

// Writes bytes to the file as SaveTextFile writes the field book (never a
// half-written file), telling a failure the same way. 1 when done.
int SaveFileBytes(HWND owner, const char* fileName, std::string_view bytes);
