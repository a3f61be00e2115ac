#include "driver/keyboard.h"

#include <vector>

#include "driver/check.h"
#include "driver/program.h"
#include "driver/waiting.h"

void BringToForeground(HWND window) {
    WaitFor(
        [window] {
            if (GetForegroundWindow() == window) return true;
            SetForegroundWindow(window);
            return false;
        },
        "the window to come to the foreground");
}

void PressKeysInProgram(const Program& program, std::initializer_list<WORD> keys) {
    BringToForeground(program.MainWindow());
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        down.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
        inputs.push_back(down);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT up{};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *key;
        up.ki.wScan = static_cast<WORD>(MapVirtualKeyA(*key, MAPVK_VK_TO_VSC));
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(up);
    }
    Check(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size(),
          "the keys could be sent");
}
