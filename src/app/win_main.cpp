// The program's entry point: settings, the single-instance test, the main window
// with its text field, and the message loop.
#include <windows.h>

#include "app/document_commands.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "calculator/calculation_store.h"
#include "editor/win32/find_replace_dialogs.h"
#include "numeric/precision_settings.h"
#include "resource_ids.h"

namespace {
constexpr const char* ClassName = "Quarel_Editor";

void RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_QUAREL));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDM_MAIN_MENU);
    windowClass.lpszClassName = ClassName;
    RegisterClassA(&windowClass);
}

// The main window has no sizing border: the user cannot drag its frame, but
// maximising and minimising work.
void CreateMainWindow(HINSTANCE instance) {
    MainWindow = CreateWindowExA(0, ClassName, WindowTitle.c_str(),
                                 WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
                                     WS_VISIBLE,
                                 0, 0, 600, 500, nullptr, nullptr, instance, nullptr);
    // No word wrap: long lines scroll sideways. The selection stays shown while the
    // Find dialog has the focus, so that a match found is seen.
    EditorControl =
        CreateWindowExA(0, "edit", "",
                        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                            ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL,
                        0, 0, 550, 450, MainWindow, reinterpret_cast<HMENU>(IDC_EDITOR), instance, nullptr);
    // The largest text limit: under the default a long field book would be cut
    // when opened and reports appended beyond the limit lost.
    SendMessageA(EditorControl, EM_SETLIMITTEXT, 0, 0);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    TheCalculationStore.Reset(); // every stored value 0, B_rl 0.76
    LinearDecimals = DefaultLinearDecimals;
    AngleDecimals = DefaultAngleDecimals;
    WindowTitle = BaseTitle;
    SaveOnConfirm = 1;
    ModifiedFlag = 0;

    if (ActivatePreviousInstance(ClassName)) return 0;

    RegisterMainWindowClass(instance);
    CreateMainWindow(instance);
    FitMainWindowToScreen(MainWindow);
    ShowWindow(MainWindow, showCommand);
    UpdateWindow(MainWindow);

    // The menus' keys (Ctrl+N, O, S, P and A, Find, Find Next, Replace, Go To) and the
    // modeless Find or Replace dialog's own keys; the table of 400 stays unused.
    const HACCEL editKeys = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_EDIT_ACCELERATORS));
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        HWND findDialog = OpenFindReplaceDialog();
        if (findDialog != nullptr && IsDialogMessageA(findDialog, &message)) continue;
        if (TranslateAcceleratorA(MainWindow, editKeys, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
