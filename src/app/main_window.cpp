#include "app/main_window.h"

#include <windowsx.h>

#include "app/document_commands.h"
#include "app/menu_command_runner.h"
#include "editor/win32/find_replace_dialogs.h"
#include "files/win32/text_file_io.h"
#include "resource_ids.h"
#include "text/number_text.h"
#include "text/text_ops.h"
#include "text/win32/window_text.h"

// Global: the main window and its text field, created at start-up.
HWND MainWindow = nullptr;
HWND EditorControl = nullptr;

namespace {
// The text field's notifications: any change marks the document modified.
void OnEditorNotification(UINT code) {
    switch (code) {
    case EN_CHANGE:
        ModifiedFlag = 1;
        break;
    case EN_ERRSPACE:
    case EN_MAXTEXT:
        ReportEditorOutOfSpace(); // once per file load, however many lines it cuts
        break;
    }
}

void OnCommand(HWND window, int id, HWND from, UINT code) {
    if (id == IDC_EDITOR) {
        OnEditorNotification(code);
        return;
    }
    // A picture's window hands its commands on with itself as the sender.
    RunMenuCommand(window, EditorControl, id, from);
}

// The text field fills the whole client area (it does not exist yet during the
// window's own creation).
void OnSize(HWND, UINT, int width, int height) {
    if (EditorControl != nullptr) MoveWindow(EditorControl, 0, 0, width, height, TRUE);
}

// The focus always passes on to the text.
void OnSetFocus(HWND, HWND) {
    SetFocus(EditorControl);
}

// A line about the text's size, painted behind the text field.
void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const char* line =
        JoinText({"Editbox is using", FormatNumber(GetWindowTextLengthA(EditorControl)), " bytes"});
    TextOutA(dc, 75, 128, line, lstrlenA(line));
    EndPaint(window, &paint);
}

// Only a click on client area the text field does not cover reaches here.
void OnLButtonDown(HWND, BOOL, int, int, UINT) {
    ShowNotice("Made it!");
}

// The close box, the system menu's Close and Alt+F4 ask the save question as
// File > Exit does; Cancel keeps the program running.
void OnClose(HWND window) {
    if (ConfirmSave()) DestroyWindow(window);
}

void OnDestroy(HWND) {
    PostQuitMessage(0);
}
} // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        HANDLE_MSG(window, WM_COMMAND, OnCommand);
        HANDLE_MSG(window, WM_SIZE, OnSize);
        HANDLE_MSG(window, WM_SETFOCUS, OnSetFocus);
        HANDLE_MSG(window, WM_PAINT, OnPaint);
        HANDLE_MSG(window, WM_LBUTTONDOWN, OnLButtonDown);
        HANDLE_MSG(window, WM_CLOSE, OnClose);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
    }
    // Find Next, Replace and Replace All from the modeless Find and Replace dialogs.
    if (message == FindReplaceMessage()) {
        OnFindReplaceMessage(EditorControl, lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
