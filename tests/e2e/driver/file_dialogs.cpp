#include "driver/file_dialogs.h"

#include "driver/check.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/waiting.h"
#include "driver/window_search.h"

namespace {

const int kFileNameField = 0x47C;  // cmb13, the file-name box of the common dialog

// The file dialog itself (it has the file-name field), not a prompt with the same caption.
HWND FindFileDialog(const Program& program, const std::string& caption) {
    for (HWND dialog : OpenDialogs(program.ProcessId()))
        if (GetDlgItem(dialog, kFileNameField) && WindowText(dialog) == caption) return dialog;
    return nullptr;
}

// A prompt the file dialog raises over itself (replace? create?), or nullptr.
HWND FindPrompt(const Program& program, HWND fileDialog) {
    for (HWND dialog : OpenDialogs(program.ProcessId()))
        if (dialog != fileDialog && GetWindow(dialog, GW_OWNER) == fileDialog) return dialog;
    return nullptr;
}

HWND WaitForFileDialog(const Program& program, const std::string& caption) {
    HWND dialog = nullptr;
    WaitFor([&] { return (dialog = FindFileDialog(program, caption)) != nullptr; }, "the \"" + caption + "\" dialog");
    return dialog;
}

bool Closed(HWND window) {
    return !IsWindow(window) || !IsWindowVisible(window);
}

}  // namespace

HWND TypeNameAndPressOk(const Program& program, const std::string& caption, const std::string& name) {
    HWND dialog = WaitForFileDialog(program, caption);
    SetText(GetDlgItem(dialog, kFileNameField), name);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return dialog;
}

HWND WaitForFileDialogPrompt(const Program& program, HWND fileDialog) {
    HWND prompt = nullptr;
    WaitFor([&] { return (prompt = FindPrompt(program, fileDialog)) != nullptr; }, "the file dialog's prompt");
    return prompt;
}

void ChooseFileInDialog(const Program& program, const std::string& caption, const std::string& name) {
    HWND dialog = TypeNameAndPressOk(program, caption, name);
    bool answeredPrompt = false;
    WaitFor(
        [&] {
            if (Closed(dialog)) return true;
            if (HWND prompt = FindPrompt(program, dialog); prompt && !answeredPrompt) {
                PostMessageA(prompt, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
                answeredPrompt = true;
            }
            return false;
        },
        "the \"" + caption + "\" dialog to take the name \"" + name + "\"");
}

void CancelFileDialog(const Program& program, const std::string& caption) {
    PressAndWaitClosed(WaitForFileDialog(program, caption), IDCANCEL);
}
