#include "notepad_timing.h"

#include <windows.h>

#include "stopwatch.h"

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindNotepadWindow(HWND window, LPARAM lParam) {
    Search& search = *reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    if (owner == search.processId && lstrcmpiA(className, "Notepad") == 0) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// Notepad's visible main window and its edit control, once both exist.
HWND NotepadEdit(DWORD processId) {
    Search search{processId, nullptr};
    EnumWindows(FindNotepadWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr || !IsWindowVisible(search.found)) return nullptr;
    return FindWindowExA(search.found, nullptr, "Edit", nullptr);
}

void Close(const PROCESS_INFORMATION& process) {
    Search search{process.dwProcessId, nullptr};
    EnumWindows(FindNotepadWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace

double NotepadShowsFile(const std::string& path, long long textLength) {
    std::string commandLine = "notepad.exe \"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    Stopwatch clock;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    double shown = -1;
    while (clock.Milliseconds() < 60000) {
        HWND edit = NotepadEdit(process.dwProcessId);
        // Notepad answers only when it is idle, so the answer comes after its load.
        if (edit != nullptr && SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0) >= textLength) {
            shown = clock.Milliseconds();
            break;
        }
        Sleep(1);
    }
    Close(process);
    return shown;
}
