#include "editor/win32/editor_selection.h"

#include <algorithm>

std::string EditorWholeText(HWND edit) {
    std::string text(static_cast<std::size_t>(std::max(GetWindowTextLengthA(edit), 0)), '\0');
    const int read = text.empty() ? 0 : GetWindowTextA(edit, text.data(), static_cast<int>(text.size() + 1));
    text.resize(static_cast<std::size_t>(std::max(read, 0)));
    return text;
}

EditorSelection GetEditorSelection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

void SelectAndShow(HWND edit, std::size_t start, std::size_t end) {
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}
