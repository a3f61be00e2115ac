// A file that holds an end-of-file mark (Ctrl+Z) with bytes after it: the text before
// the mark loads, a warning names the mark and the bytes left out, the file stays.
#include <string>

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

namespace {

void WarnsOfBytesAfterTheMark(ScenarioContext& context) {
    const std::string bytes = "PK0=0   Y0=0\r\nPKn=100\x1A" "left out\r\n\x1A";
    const std::string path = context.PathOf("old tool.txt");
    WriteFileBytes(path, bytes);
    Program& program = context.Start();
    program.Command(CMD_FILE_OPEN);
    ChooseFileInDialog(program, "Open File", "old tool.txt");
    const MessageBoxSeen warning = WaitForMessageBox(program, "Quarel Editor");
    CheckText(warning.text,
              "This file continues after an end-of-file mark (Ctrl+Z) at byte 21: the 11 bytes after it were not "
              "loaded. Saving will write the file without them.",
              "the warning");
    // The box's icon: control 0x14 in Windows' message box, stc1 (0x440) in Wine's.
    HWND icon = GetDlgItem(warning.window, 0x14);
    if (icon == nullptr) icon = GetDlgItem(warning.window, 0x440);
    Check(icon != nullptr && IsWindowVisible(icon), "the warning shows an icon");
    CheckText(EditorText(program), "PK0=0   Y0=0\r\nPKn=100\r\n", "the text before the mark, shown with the box");
    PressAndWaitClosed(warning.window, IDOK);
    WaitForTitle(program, TitleWithFile(path), "after Open");
    CheckFileBytes(path, bytes);
    // Saving writes the text without the bytes after the mark, as the warning said.
    program.Command(CMD_FILE_SAVE);
    WaitForFileBytes(path, "PK0=0   Y0=0\r\nPKn=100\r\n");
    Check(NoDialogOpen(program), "Save asks nothing");
}

}  // namespace

std::vector<Scenario> EndOfFileMarkScenarios() {
    return {
        {"files: a file with bytes after a Ctrl+Z mark loads the text before it and warns \"This file continues "
         "after an end-of-file mark (Ctrl+Z) at byte 21: the 11 bytes after it were not loaded...\"; the file is "
         "not changed until saved",
         WarnsOfBytesAfterTheMark},
    };
}
