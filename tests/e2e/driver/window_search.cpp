#include "driver/window_search.h"

#include "driver/check.h"

namespace {

struct TopWindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleTopWindow(HWND window, LPARAM searchAddress) {
    auto* search = reinterpret_cast<TopWindowSearch*>(searchAddress);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return "";
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 20000, &copied))
        return "";
    text.resize(copied < length ? copied : length);
    return text;
}

std::string WindowClass(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<HWND> VisibleTopWindows(DWORD processId) {
    TopWindowSearch search{processId, {}};
    EnumWindows(CollectVisibleTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopWindow(DWORD processId, const std::string& caption, const char* windowClass) {
    for (HWND window : VisibleTopWindows(processId)) {
        if (windowClass && WindowClass(window) != windowClass) continue;
        if (WindowText(window) == caption) return window;
    }
    return nullptr;
}

std::vector<HWND> OpenDialogs(DWORD processId) {
    std::vector<HWND> dialogs;
    for (HWND window : VisibleTopWindows(processId))
        if (WindowClass(window) == "#32770") dialogs.push_back(window);
    return dialogs;
}

LRESULT SendOrFail(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what,
                   DWORD limitMs) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, limitMs, &result))
        Fail("the program did not answer " + what + " (hung or gone)");
    return static_cast<LRESULT>(result);
}

void SetText(HWND control, const std::string& text) {
    Check(control != nullptr, "no control to type \"" + Visible(text, 40) + "\" into");
    const LRESULT taken =
        SendOrFail(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), "typing into a field");
    Check(taken != 0, "a field refused the text \"" + Visible(text, 40) + "\"");
}
