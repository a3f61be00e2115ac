#include "app/startup.h"

#include <string>

namespace {
// FlashWindow(FALSE) puts the caption back only on NT-family systems of version 5
// and later; elder systems toggle the caption with each TRUE call alone.
bool FlashOffRestoresCaption() {
    DWORD version = GetVersion();
    return (version & 0x80000000u) == 0 && LOBYTE(LOWORD(version)) >= 5;
}
} // namespace

int ActivatePreviousInstance(const char* className) {
    HWND previous = FindWindowA(className, nullptr);
    if (previous == nullptr) return 0;
    // The window the user works in: a message box or dialog the running instance has
    // open over its main window (which that box keeps disabled), else the main window.
    HWND topmost = GetLastActivePopup(previous);
    if (IsIconic(previous)) {
        // "Quarel_Editor_EnFI": owned by this process until it ends; never closed.
        const std::string mutexName = std::string(className) + "_EnFI";
        CreateMutexA(nullptr, TRUE, mutexName.c_str());
        if (GetLastError() == ERROR_ALREADY_EXISTS) return 1; // another start is flashing it
        bool flashOff = FlashOffRestoresCaption();
        // Waits for the user to bring the running instance forward.
        while (GetForegroundWindow() != previous && GetForegroundWindow() != topmost) {
            FlashWindow(previous, TRUE);
            Sleep(450);
            if (flashOff) FlashWindow(previous, FALSE);
        }
    }
    SetForegroundWindow(topmost);
    return 1;
}

void FitMainWindowToScreen(HWND window) {
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYCAPTION) - 5;
    SetWindowPos(window, HWND_TOP, 0, 0, width, height, SWP_SHOWWINDOW);
}
