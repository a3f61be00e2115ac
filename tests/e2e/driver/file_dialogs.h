// The common Open and Save dialogs, answered as a person does: the name typed into
// the file-name field and OK pressed, or Cancel.
#pragma once

#include <string>

#include <windows.h>

class Program;

// Waits for the dialog with this caption ("Open File" or "Save File"), types the
// name and presses OK. When the dialog asks whether to replace an existing file or
// to create a missing one, answers Yes. Returns once the dialog has closed.
void ChooseFileInDialog(const Program& program, const std::string& caption, const std::string& name);
// Waits for the dialog with this caption and presses Cancel.
void CancelFileDialog(const Program& program, const std::string& caption);
// The steps of ChooseFileInDialog one by one: type the name and press OK (returns
// the dialog), then wait for the prompt the dialog raises over itself.
HWND TypeNameAndPressOk(const Program& program, const std::string& caption, const std::string& name);
HWND WaitForFileDialogPrompt(const Program& program, HWND fileDialog);
