#include "driver/program.h"

#include "driver/check.h"
#include "driver/waiting.h"
#include "driver/window_search.h"
#include "resource_ids.h"

namespace {

const char* const kMainWindowClass = "Quarel_Editor";

PROCESS_INFORMATION Launch(const std::string& programPath, const std::string& folder) {
    std::string commandLine = "\"" + programPath + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(programPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        Fail("could not start " + programPath + " (error " + std::to_string(GetLastError()) + ")");
    return process;
}

HWND MainWindowOf(DWORD processId) {
    for (HWND window : VisibleTopWindows(processId))
        if (WindowClass(window) == kMainWindowClass) return window;
    return nullptr;
}

}  // namespace

HWND FindAnyMainWindow() {
    return FindWindowA(kMainWindowClass, nullptr);
}

HANDLE StartRawInstance(const std::string& programPath, const std::string& folder) {
    PROCESS_INFORMATION process = Launch(programPath, folder);
    CloseHandle(process.hThread);
    return process.hProcess;
}

Program::Program(const std::string& programPath, const std::string& folder) {
    // A single-instance program: a window left by an earlier run would make this one end.
    WaitFor([] { return FindAnyMainWindow() == nullptr; }, "an earlier instance to go away");
    process_ = Launch(programPath, folder);
    WaitFor(
        [this] {
            main_ = MainWindowOf(process_.dwProcessId);
            editor_ = main_ ? GetDlgItem(main_, IDC_EDITOR) : nullptr;
            return editor_ != nullptr || !Running();
        },
        "the main window and its text field");
    if (!editor_) Fail("the program ended at start-up with exit code " + std::to_string(WaitForExit()));
}

Program::~Program() {
    if (Running()) Kill();
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::string Program::Title() const {
    return WindowText(main_);
}

void Program::Command(int commandId) const {
    Check(PostMessageA(main_, WM_COMMAND, MAKEWPARAM(commandId, 0), 0) != 0,
          "could not choose menu command " + std::to_string(commandId));
}

void Program::CloseBox() const {
    Check(PostMessageA(main_, WM_SYSCOMMAND, SC_CLOSE, 0) != 0, "could not close the main window");
}

bool Program::Running() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD Program::WaitForExit() {
    WaitFor([this] { return !Running(); }, "the program to end");
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

void Program::EndAsUser() {
    if (!Running()) return;
    if (const std::vector<HWND> left = OpenDialogs(ProcessId()); !left.empty()) {
        const std::string caption = WindowText(left.front());
        Kill();
        Fail("a window \"" + caption + "\" was still open at the end");
    }
    Command(CMD_FILE_EXIT);
    const bool ended = WaitUntil([this] {
        if (HWND question = FindTopWindow(ProcessId(), "Confirm", "#32770"))
            PostMessageA(question, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
        return !Running();
    });
    if (!ended) {
        Kill();
        Fail("File > Exit did not end the program");
    }
    const DWORD code = WaitForExit();
    Check(code == 0, "the program ended with exit code " + std::to_string(code));
}

void Program::Kill() {
    if (Running()) TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 10000);
    WaitUntil([] { return FindAnyMainWindow() == nullptr; }, 5000);
}
