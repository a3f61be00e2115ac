#include "text/win32/window_text.h"

#include <cstring>

#include "text/temp_string_ring.h"

char* ReadWindowText(HWND window) {
    // Read the whole text: a field book or a typed field is never cut.
    LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    if (length < 0) length = 0;
    char* buffer = TempString(length);
    int read = GetWindowTextA(window, buffer, static_cast<int>(length + 1));
    if (read < 0) read = 0;
    buffer[read] = '\0';
    return buffer;
}

BOOL WriteWindowText(HWND window, const char* text) {
    return SetWindowTextA(window, text);
}

LRESULT AppendToEditor(HWND edit, const char* text) {
    int length = GetWindowTextLengthA(edit);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(length), static_cast<LPARAM>(length));
    return SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
}

BOOL CenterOnWorkArea(HWND window) {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT r{};
    GetWindowRect(window, &r);
    int x = work.left + ((work.right - work.left) - (r.right - r.left)) / 2;
    int y = work.top + ((work.bottom - work.top) - (r.bottom - r.top)) / 2;
    return SetWindowPos(window, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
}

int ShowMessage(const char* text, const char* caption, UINT type) {
    return MessageBoxA(GetActiveWindow(), text, caption, type);
}

int ShowNotice(const char* text) {
    return ShowMessage(text, "Notice", MB_ICONINFORMATION);
}

int FileExists(const char* path) {
    if (std::strpbrk(path, "*?") != nullptr) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(path, &found);
        if (search == INVALID_HANDLE_VALUE) return 0;
        FindClose(search);
        return 1;
    }
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES ? 1 : 0;
}

char* CurrentDirectory() {
    char* result = TempString(2048);
    GetCurrentDirectoryA(1024, result);
    return result;
}
