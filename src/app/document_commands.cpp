#include "app/document_commands.h"

#include "app/main_window.h"
#include "editor/win32/print_job.h"
#include "files/win32/file_dialogs.h"
#include "files/win32/text_file_io.h"
#include "menu/example_field_book.h"
#include "resource_ids.h"
#include "text/win32/window_text.h"

int ModifiedFlag = 0;
int SaveOnConfirm = 1;
std::string FileName;
const char* const BaseTitle = "Quarel Editor by Tenrik (rus)";
std::string WindowTitle = BaseTitle;

namespace {

// Shows the title: the program's name alone, or followed by the file's name.
void SetDocumentTitle(bool withFileName) {
    WindowTitle = BaseTitle;
    if (withFileName) WindowTitle += " - " + FileName;
    SetWindowTextA(MainWindow, WindowTitle.c_str());
}

// The text now matches the file named FileName.
void MarkSaved() {
    SetDocumentTitle(true);
    ModifiedFlag = 0;
}

} // namespace

int ConfirmSave() {
    if (ModifiedFlag != 1) return 1;
    int answer = ShowMessage("File has changed. Save?", "Confirm", MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer != IDYES && answer != IDNO) return 0; // Cancel, or no box at all
    SaveOnConfirm = answer == IDYES ? 1 : 0;
    // A Yes whose save did not happen keeps the text: the asking command stops.
    if (SaveOnConfirm == 1 && SaveDocument() == 0) return 0;
    return 1;
}

int NewDocument() {
    if (ConfirmSave() == 0) return 0;
    WriteWindowText(EditorControl, "");
    FileName.clear();
    SetDocumentTitle(false);
    ModifiedFlag = 0;
    return 1;
}

int OpenDocument() {
    if (ConfirmSave() == 0) return 0;
    const std::string former = FileName;
    FileDialogSetup(MainWindow);
    ChooseOpenFile(MainWindow, FileName);
    // A cancelled dialog leaves the name empty and the load says "File open failed.".
    if (LoadTextFile(EditorControl, FileName.c_str()) == 0) {
        FileName = former;
        return 0;
    }
    MarkSaved();
    return 1;
}

int SaveDocument() {
    return FileName.empty() ? SaveDocumentAs() : SaveToFileName();
}

int SaveToFileName() {
    if (SaveTextFile(EditorControl, FileName.c_str()) == 0) return 0;
    MarkSaved();
    return 1;
}

int SaveDocumentAs() {
    // The document keeps its name unless the text is written under the new one.
    const std::string former = FileName;
    FileName.clear();
    FileDialogSetup(MainWindow);
    ChooseSaveFile(MainWindow, FileName);
    // A cancelled dialog leaves the name empty and the save says "File Save failed.".
    if (SaveTextFile(EditorControl, FileName.c_str()) == 0) {
        FileName = former;
        return 0;
    }
    MarkSaved();
    return 1;
}

int ExampleDocument() {
    if (NewDocument() == 0) return 0;
    WriteWindowText(EditorControl, ExampleFieldBook());
    return 1;
}

int ExitProgram() {
    if (ConfirmSave() == 0) return 0;
    PostQuitMessage(0);
    return 1;
}

void PrintDocument() {
    PrintEditorText(MainWindow, EditorControl, FileName);
}
