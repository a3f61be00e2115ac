// Start-up: the main window, its text field, and the single-instance rule.
#include "driver/check.h"
#include "driver/editor_text.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
#include "driver/window_search.h"
#include "resource_ids.h"
#include "scenarios/shared_steps.h"

namespace {

const char* const kBaseTitle = "Quarel Editor by Tenrik (rus)";

std::string RectText(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

// The text field's rectangle in the main window's client coordinates.
RECT EditorRectInClient(const Program& program) {
    RECT r;
    GetWindowRect(program.Editor(), &r);
    MapWindowPoints(nullptr, program.MainWindow(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool EditorFillsClient(const Program& program) {
    RECT client, editor = EditorRectInClient(program);
    GetClientRect(program.MainWindow(), &client);
    return EqualRect(&client, &editor) != 0;
}

void CheckEditorFillsClient(const Program& program, const std::string& when) {
    if (WaitUntil([&] { return EditorFillsClient(program); }, kShortWaitMs)) return;
    RECT client;
    GetClientRect(program.MainWindow(), &client);
    Fail(when + ": the text field covers " + RectText(EditorRectInClient(program)) + ", the client area is " +
         RectText(client));
}

void MainWindowAndTextField(ScenarioContext& context) {
    Program& program = context.Start();
    CheckText(WindowClass(program.MainWindow()), "Quarel_Editor", "class of the main window");
    CheckText(program.Title(), kBaseTitle, "title at start");
    CheckText(EditorText(program), "", "text at start");
    Check(GetDlgCtrlID(program.Editor()) == IDC_EDITOR, "the text field has control id 111");
    CheckEditorFillsClient(program, "at start");
    // Placed at the top left, the screen's width, the screen's height less a caption and 5 pixels.
    RECT frame;
    GetWindowRect(program.MainWindow(), &frame);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYCAPTION) - 5;
    Check(frame.left == 0 && frame.top == 0 && frame.right == width && frame.bottom == height,
          "main window at " + RectText(frame) + ", expected (0,0)-(" + std::to_string(width) + "," +
              std::to_string(height) + ")");
}

void MaximisingResizesTextField(ScenarioContext& context) {
    Program& program = context.Start();
    ShowWindowAsync(program.MainWindow(), SW_MAXIMIZE);
    WaitFor([&] { return IsZoomed(program.MainWindow()) != 0; }, "the main window to be maximised");
    CheckEditorFillsClient(program, "maximised");
}

// A click on the main window itself (not on the text field) gets a notice.
void ClickOnMainWindow(ScenarioContext& context) {
    Program& program = context.Start();
    PostMessageA(program.MainWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    AnswerMessageBox(program, "Notice", "Made it!", IDOK);
}

int CountMainWindows() {
    int count = 0;
    for (HWND w = FindWindowExA(nullptr, nullptr, "Quarel_Editor", nullptr); w;
         w = FindWindowExA(nullptr, w, "Quarel_Editor", nullptr))
        ++count;
    return count;
}

}  // namespace

void CheckSecondStartEndsAtOnce(ScenarioContext& context, const Program& first) {
    HANDLE second = StartRawInstance(context.Settings().programPath, context.Folder());
    const bool ended = WaitUntil([&] { return WaitForSingleObject(second, 0) == WAIT_OBJECT_0; });
    DWORD code = 1;
    GetExitCodeProcess(second, &code);
    if (!ended) TerminateProcess(second, 99);
    CloseHandle(second);
    Check(ended, "the second instance did not end");
    Check(code == 0, "the second instance ended with exit code " + std::to_string(code));
    Check(CountMainWindows() == 1, std::to_string(CountMainWindows()) + " main windows after a second start");
    Check(first.Running(), "the first instance is still running");
}

namespace {

// A second start ends at once; while the first has a message box open, the second
// start brings that box forward, not the main window it keeps disabled.
void SecondInstanceEndsAtOnce(ScenarioContext& context) {
    Program& program = context.Start();
    CheckSecondStartEndsAtOnce(context, program);
    program.Command(CMD_EDIT_UNDO);
    const MessageBoxSeen box = WaitForMessageBox(program, "Undo Notification");
    CheckSecondStartEndsAtOnce(context, program);
    WaitFor([&] { return GetForegroundWindow() == box.window; }, "the open box to be the foreground window");
    Check(IsWindowVisible(box.window) != 0, "the box is still open");
    PressAndWaitClosed(box.window, IDOK);
}

}  // namespace

std::vector<Scenario> StartupScenarios() {
    return {
        {"start-up: main window \"Quarel_Editor\" with its title, text field 111 filling it", MainWindowAndTextField},
        {"start-up: maximising the main window resizes the text field with it", MaximisingResizesTextField},
        {"start-up: a click on the main window itself shows \"Made it!\"", ClickOnMainWindow},
        {"start-up: a second instance ends with exit code 0 and makes no second window; with a message box open "
         "in the first, it brings that box forward",
         SecondInstanceEndsAtOnce},
    };
}
