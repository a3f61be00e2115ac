#include "bench_editor.h"

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

HWND MakeEditor(const char* caption) {
    HWND frame = CreateWindowExA(0, "STATIC", caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND editor = CreateWindowExA(0, "EDIT", "",
                                  WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                      ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                                  0, 0, 780, 560, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(editor, EM_SETLIMITTEXT, 0, 0);
    Pump();
    return editor;
}
