#include "driver/modal_windows.h"

#include "driver/check.h"
#include "driver/keyboard.h"
#include "driver/program.h"
#include "driver/waiting.h"
#include "driver/window_search.h"

namespace {

const int kMessageBoxTextId = 0xFFFF;

MessageBoxSeen Describe(HWND box) {
    MessageBoxSeen seen;
    seen.window = box;
    seen.caption = WindowText(box);
    if (HWND text = GetDlgItem(box, kMessageBoxTextId)) seen.text = WindowText(text);
    return seen;
}

std::string DescribeOpenDialogs(const Program& program) {
    std::string list;
    for (HWND dialog : OpenDialogs(program.ProcessId())) {
        const MessageBoxSeen seen = Describe(dialog);
        list += " [\"" + seen.caption + "\": \"" + Visible(seen.text, 80) + "\"]";
    }
    return list.empty() ? " none" : list;
}

}  // namespace

HWND WaitForDialog(const Program& program, const std::string& caption) {
    HWND found = nullptr;
    if (!WaitUntil([&] { return (found = FindTopWindow(program.ProcessId(), caption, "#32770")) != nullptr; }))
        Fail("no window \"" + caption + "\" appeared; open windows:" + DescribeOpenDialogs(program));
    return found;
}

HWND OpenFromMenu(const Program& program, int commandId, const std::string& caption) {
    program.Command(commandId);
    return WaitForDialog(program, caption);
}

HWND OpenByKeys(const Program& program, std::initializer_list<WORD> keys, const std::string& caption) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        PressKeysInProgram(program, keys);
        HWND found = nullptr;
        if (WaitUntil([&] { return (found = FindTopWindow(program.ProcessId(), caption, "#32770")) != nullptr; },
                      kWaitLimitMs / 3))
            return found;
        if (!NoDialogOpen(program)) break; // another window took the keys: say which
    }
    return WaitForDialog(program, caption);
}

MessageBoxSeen WaitForMessageBox(const Program& program, const std::string& caption) {
    HWND box = WaitForDialog(program, caption);
    MessageBoxSeen seen;
    // The message text may be set just after the box shows.
    WaitUntil([&] { return !(seen = Describe(box)).text.empty(); }, kShortWaitMs);
    return seen;
}

MessageBoxSeen WaitForMessageBoxSaying(const Program& program, const std::string& textStart) {
    MessageBoxSeen seen;
    const bool found = WaitUntil([&] {
        for (HWND dialog : OpenDialogs(program.ProcessId())) {
            seen = Describe(dialog);
            if (seen.text.compare(0, textStart.size(), textStart) == 0) return true;
        }
        return false;
    });
    if (!found)
        Fail("no message \"" + textStart + "...\" appeared; open windows:" + DescribeOpenDialogs(program));
    return seen;
}

void PressAndWaitClosed(HWND window, int buttonId) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, buttonId)));
    WaitFor([window] { return !IsWindow(window) || !IsWindowVisible(window); },
            "window \"" + WindowText(window) + "\" to close after button " + std::to_string(buttonId));
}

void PressInPlace(HWND window, int buttonId, const std::string& what) {
    SendOrFail(window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, buttonId)), what);
}

void PressKey(HWND control, WORD virtualKey) {
    const UINT scanCode = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageA(control, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | (scanCode << 16)));
    PostMessageA(control, WM_KEYUP, virtualKey, static_cast<LPARAM>(1 | (scanCode << 16) | (3u << 30)));
}

void AnswerMessageBox(const Program& program, const std::string& caption, const std::string& expectedText,
                      int buttonId) {
    const MessageBoxSeen seen = WaitForMessageBox(program, caption);
    CheckText(seen.text, expectedText, "message of the \"" + caption + "\" box");
    PressAndWaitClosed(seen.window, buttonId);
}

void CheckCentredOnWorkArea(HWND dialog, const std::string& what) {
    RECT work, box;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(dialog, &box);
    const long x = work.left + ((work.right - work.left) - (box.right - box.left)) / 2;
    const long y = work.top + ((work.bottom - work.top) - (box.bottom - box.top)) / 2;
    Check(box.left == x && box.top == y, what + " stands at (" + std::to_string(box.left) + "," +
                                             std::to_string(box.top) + "), the middle of the work area is (" +
                                             std::to_string(x) + "," + std::to_string(y) + ")");
}

bool NoDialogOpen(const Program& program) {
    return OpenDialogs(program.ProcessId()).empty();
}

void CheckNoDialogAppears(const Program& program, const std::string& when) {
    if (WaitUntil([&] { return !NoDialogOpen(program); }, kShortWaitMs))
        Fail("unexpected window " + when + ":" + DescribeOpenDialogs(program));
}
