#include "files/win32/file_dialogs.h"

#include <commdlg.h>

#include <cstring>

#include "text/win32/window_text.h"

namespace {

// The one dialog record both dialogs share, and the name buffer it points at: the
// dialogs are told it holds 260 characters, so a chosen path has at most 259.
OPENFILENAMEA FileDialog;
char ChosenName[2048];
constexpr DWORD ChosenNameSize = 260;
// Two filters, each a description and a pattern, the list ending with an extra NUL.
constexpr char Filters[] = "Text Files (*.TXT)\0*.txt\0All Files(*.*)\0*.*\0";
// The folder a dialog opens in: where the last dialog left the current directory.
char InitialFolder[2048];

// Runs one dialog on the shared record, starting from fileName and leaving the
// chosen path in it; a cancelled dialog leaves fileName as it was.
BOOL RunFileDialog(BOOL(WINAPI* dialog)(LPOPENFILENAMEA), const char* title, DWORD flags,
                   std::string& fileName) {
    std::memset(ChosenName, 0, sizeof ChosenName);
    fileName.copy(ChosenName, ChosenNameSize - 1);
    FileDialog.lpstrFile = ChosenName;
    FileDialog.nMaxFile = ChosenNameSize;
    FileDialog.lpstrTitle = title;
    FileDialog.Flags = flags;
    BOOL chosen = dialog(&FileDialog);
    if (chosen) fileName = ChosenName;
    return chosen;
}

// Runs a dialog of its own record (the field book's record keeps its filters and
// its last name), starting in the folder the last dialog left, from fileName and
// the type typeIndex (1 for the first); the chosen path and type are put back.
BOOL RunOwnFileDialog(BOOL(WINAPI* dialog)(LPOPENFILENAMEA), HWND owner, const char* title,
                      const char* filters, const char* extension, DWORD flags, std::string& fileName,
                      DWORD& typeIndex) {
    char name[ChosenNameSize] = {};
    fileName.copy(name, ChosenNameSize - 1);
    std::strncpy(InitialFolder, CurrentDirectory(), sizeof InitialFolder - 1);
    OPENFILENAMEA record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = owner;
    record.hInstance = GetModuleHandleA(nullptr);
    record.lpstrFilter = filters;
    record.nFilterIndex = typeIndex == 0 ? 1 : typeIndex;
    record.lpstrFile = name;
    record.nMaxFile = ChosenNameSize;
    record.lpstrInitialDir = InitialFolder;
    record.lpstrDefExt = extension;
    record.lpstrTitle = title;
    record.Flags = flags;
    if (!dialog(&record)) return FALSE;
    fileName = name;
    typeIndex = record.nFilterIndex;
    return TRUE;
}

} // namespace

void FileDialogSetup(HWND owner) {
    std::strncpy(InitialFolder, CurrentDirectory(), sizeof InitialFolder - 1);
    FileDialog = OPENFILENAMEA{};
    FileDialog.lStructSize = sizeof(OPENFILENAMEA);
    FileDialog.hwndOwner = owner;
    FileDialog.hInstance = GetModuleHandleA(nullptr);
    FileDialog.lpstrFilter = Filters;
    FileDialog.nFilterIndex = 0;
    FileDialog.lpstrFile = ChosenName;
    FileDialog.nMaxFile = ChosenNameSize;
    FileDialog.lpstrInitialDir = InitialFolder;
    FileDialog.lpstrDefExt = "txt";
}

BOOL ChooseOpenFile(HWND owner, std::string& fileName) {
    FileDialog.hwndOwner = owner;
    fileName.clear();
    return RunFileDialog(GetOpenFileNameA, "Open File", OFN_CREATEPROMPT | OFN_HIDEREADONLY, fileName);
}

BOOL ChooseSaveFile(HWND owner, std::string& fileName) {
    FileDialog.hwndOwner = owner;
    return RunFileDialog(GetSaveFileNameA, "Save File", OFN_OVERWRITEPROMPT, fileName);
}

BOOL ChooseFileToRead(HWND owner, const char* title, const char* filters, const char* extension,
                      std::string& fileName) {
    DWORD typeIndex = 1;
    fileName.clear();
    return RunOwnFileDialog(GetOpenFileNameA, owner, title, filters, extension,
                            OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, fileName, typeIndex);
}

BOOL ChooseFileToWrite(HWND owner, const char* title, const char* filters, const char* extension,
                       std::string& fileName) {
    DWORD typeIndex = 1;
    fileName.clear();
    return RunOwnFileDialog(GetSaveFileNameA, owner, title, filters, extension,
                            OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, fileName, typeIndex);
}

BOOL ChooseSaveFileOfType(HWND owner, const char* types, const char* defaultExtension, std::string& fileName,
                          DWORD& typeIndex) {
    return RunOwnFileDialog(GetSaveFileNameA, owner, "Save File", types, defaultExtension,
                            OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, fileName, typeIndex);
}
