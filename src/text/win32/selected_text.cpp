#include "text/win32/selected_text.h"

#include "text/win32/window_text.h"

bool ReadSelectedText(HWND edit, const char* noSelection, SelectedText& selected) {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end) {
        ShowNotice(noSelection);
        return false;
    }
    selected.text = ReadWindowText(edit);
    selected.lines = SelectedLines(selected.text, start, end);
    return true;
}
