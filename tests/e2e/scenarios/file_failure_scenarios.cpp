// Files that cannot be read or written: the user is told, and nothing is lost (the
// text in the editor, the file on disk, the knowledge that the text is unsaved).
#include "driver/check.h"
#include "driver/disk_files.h"
#include "driver/document_steps.h"
#include "driver/editor_text.h"
#include "driver/file_dialogs.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
#include "resource_ids.h"

#include <algorithm>

namespace {

const std::string kBook = "PK0=0   Y0=0   X0=0\r\n";

// Waits for "Can't open file <path>" with the error caption and presses OK.
void AcknowledgeCantOpen(const Program& program, const std::string& path) {
    const MessageBoxSeen box = WaitForMessageBoxSaying(program, "Can't open file ");
    Check(SameTextIgnoringCase(box.text, "Can't open file " + path),
          "message \"" + box.text + "\", expected \"Can't open file " + path + "\"");
    CheckText(box.caption, "Error!", "caption of the \"Can't open file\" box");
    PressAndWaitClosed(box.window, IDOK);
}

// After a failed command: the program runs, shows `text`, and still knows it is unsaved.
void CheckNothingLost(const Program& program, const std::string& text, const std::string& title) {
    Check(program.Running(), "the program goes on");
    CheckText(EditorText(program), text, "text kept");
    CheckTitle(program, title, "kept");
    CheckCommandAsksAndCancel(program, CMD_FILE_EXIT, "Exit");
}

void ReadOnlyTarget(ScenarioContext& context) {
    const std::string path = context.PathOf("readonly.txt");
    WriteFileBytes(path, kBook);
    Program& program = context.Start();
    OpenThroughDialog(program, "readonly.txt");
    Check(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY) != 0, "could not make the file read-only");
    TypeIntoEditor(program, "PKn=100");
    const std::string text = EditorText(program);
    program.Command(CMD_FILE_SAVE);
    AcknowledgeCantOpen(program, path);
    CheckFileBytes(path, kBook);
    CheckNothingLost(program, text, TitleWithFile(path));
    Check(FolderEntries(context.Folder()).size() == 1, "no temporary file is left beside the file");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The name chosen at the open dialog turns out to be a folder: "later.txt" did not
// exist when typed, and while the dialog asks whether to create it, a folder of that
// name appears.
void FolderChosenOnOpen(ScenarioContext& context) {
    Program& program = context.Start();
    TypeIntoEditor(program, "unsaved work");
    const std::string text = EditorText(program);
    program.Command(CMD_FILE_OPEN);
    AnswerSaveQuestion(program, IDNO);
    HWND dialog = TypeNameAndPressOk(program, "Open File", "later.txt");
    HWND createPrompt = WaitForFileDialogPrompt(program, dialog);
    MakeFolder(context.PathOf("later.txt"));
    PressAndWaitClosed(createPrompt, IDYES);
    AcknowledgeCantOpen(program, context.PathOf("later.txt"));
    CheckNothingLost(program, text, kBaseTitle);
}

// Another program holds the file open without sharing it.
void LockedFileOnOpen(ScenarioContext& context) {
    const std::string path = context.PathOf("locked.txt");
    WriteFileBytes(path, kBook);
    Program& program = context.Start();
    TypeIntoEditor(program, "unsaved work");
    const std::string text = EditorText(program);
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    Check(lock != INVALID_HANDLE_VALUE, "could not lock the file");
    try {
        program.Command(CMD_FILE_OPEN);
        AnswerSaveQuestion(program, IDNO);
        ChooseFileInDialog(program, "Open File", "locked.txt");
        AcknowledgeCantOpen(program, path);
        CheckNothingLost(program, text, kBaseTitle);
    } catch (...) {
        CloseHandle(lock);
        throw;
    }
    CloseHandle(lock);
}

// A small file system with no room left: the save fails, says so, and leaves the old
// file as it was and no temporary file behind.
void FullDisk(ScenarioContext& context) {
    const DriverSettings& settings = context.Settings();
    if (settings.fullDiskFolder.empty())
        throw ScenarioSkipped("no full file system: " + settings.fullDiskSkipReason);
    const std::string folder = settings.fullDiskFolder;
    const std::string oldPath = JoinPath(folder, "old.txt");
    const std::string oldBytes = ReadFileBytes(oldPath);
    std::vector<std::string> entries = FolderEntries(folder);
    std::sort(entries.begin(), entries.end());

    Program& program = context.StartIn(folder);
    OpenThroughDialog(program, "old.txt");
    std::string big;
    while (big.size() < 400 * 1024) big += "PKpz1=1078.5398   Dpz=2.0000   PKpz2=1078.5398\r\n";
    ReplaceEditorText(program, big);
    TypeIntoEditor(program, "!");
    const std::string text = EditorText(program);

    program.Command(CMD_FILE_SAVE);
    AcknowledgeMessage(program, "File Save failed.");
    CheckFileBytes(oldPath, oldBytes);
    CheckNothingLost(program, text, TitleWithFile(oldPath));

    SaveAsThroughDialog(program, "fresh");
    AcknowledgeMessage(program, "File Save failed.");
    CheckText(EditorText(program), text, "text kept after the failed Save As");
    std::vector<std::string> after = FolderEntries(folder);
    std::sort(after.begin(), after.end());
    Check(after == entries, "the folder holds what it held before: no new or temporary file");
}

}  // namespace

std::vector<Scenario> FileFailureScenarios() {
    return {
        {"file failures: Save to a read-only file says \"Can't open file\", loses nothing (mended)", ReadOnlyTarget},
        {"file failures: a folder chosen on Open says \"Can't open file\", loses nothing (mended)",
         FolderChosenOnOpen},
        {"file failures: a locked file on Open says \"Can't open file\", loses nothing (mended)", LockedFileOnOpen},
        {"file failures: a full disk fails the save, keeps the old file, leaves no temporary file (mended)",
         FullDisk},
    };
}
