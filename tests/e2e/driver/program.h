// One run of QuarelEditor.exe: started with CreateProcess in a folder of the
// scenario's own, found by its window class, and ended when the scenario is done.
#pragma once

#include <string>

#include <windows.h>

class Program {
public:
    // Starts the program with `folder` as its current directory and waits until its
    // main window and text field are on screen.
    Program(const std::string& programPath, const std::string& folder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND MainWindow() const { return main_; }
    HWND Editor() const { return editor_; }
    DWORD ProcessId() const { return process_.dwProcessId; }
    std::string Title() const;

    // Chooses a menu command: WM_COMMAND with the command id, posted to the main window
    // as the menu does (a posted command may open a modal window and not return).
    void Command(int commandId) const;
    // Asks the main window to close, as its close box does.
    void CloseBox() const;

    bool Running() const;
    // Waits for the process to end and returns its exit code; fails on timeout.
    DWORD WaitForExit();
    // Ends a program whose scenario passed the way a user would (File > Exit, "No" to the
    // save question) and checks it ends cleanly: no window left open, exit code 0.
    // Otherwise kills it and fails.
    void EndAsUser();
    // Ends the process at once (TerminateProcess) and waits until its windows are gone.
    void Kill();

private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
    HWND editor_ = nullptr;
};

// The main window of any running instance (class "Quarel_Editor"), or nullptr.
HWND FindAnyMainWindow();
// Starts the program once more without waiting for a window; returns the process
// handle (the caller closes it).
HANDLE StartRawInstance(const std::string& programPath, const std::string& folder);
