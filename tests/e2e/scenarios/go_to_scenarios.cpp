// Edit > Go To (Ctrl+G): the "Go To Line" dialog, in and out of range.
#include <string>

#include "driver/check.h"
#include "driver/editor_text.h"
#include "driver/editor_view.h"
#include "driver/keyboard.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
#include "driver/window_search.h"
#include "resource_ids.h"

namespace {

// Fifty lines "line 1" to "line 50", the last without a line end: the text has 50 lines.
std::string FiftyLines() {
    std::string text;
    for (int line = 1; line <= 50; ++line) text += "line " + std::to_string(line) + (line < 50 ? "\r\n" : "");
    return text;
}

int StartOfLine(const std::string& text, int line) {
    size_t at = 0;
    for (int n = 1; n < line; ++n) at = text.find("\r\n", at) + 2;
    return static_cast<int>(at);
}

HWND OpenGoTo(const Program& program) {
    return OpenByKeys(program, {VK_CONTROL, 'G'}, "Go To Line");
}

void GoToInAndOutOfRange(ScenarioContext& context) {
    Program& program = context.Start();
    const std::string text = FiftyLines();
    ReplaceEditorText(program, text);
    SelectInEditor(program, StartOfLine(text, 3) + 2, StartOfLine(text, 3) + 2);

    HWND goTo = OpenGoTo(program);
    CheckText(WindowText(GetDlgItem(goTo, IDC_LINE_NUMBER)), "3", "the line number field holds the caret's line");
    SetText(GetDlgItem(goTo, IDC_LINE_NUMBER), "40");
    PressAndWaitClosed(goTo, IDOK);
    WaitForSelection(program, StartOfLine(text, 40), StartOfLine(text, 40), "the caret at the start of line 40");
    CheckLineInView(program, StartOfLine(text, 40), "line 40");

    // Numbers that are no line: a box, and the dialog stays open.
    goTo = OpenGoTo(program);
    CheckText(WindowText(GetDlgItem(goTo, IDC_LINE_NUMBER)), "40", "the field holds the caret's line again");
    for (const char* typed : {"51", "0"}) {
        SetText(GetDlgItem(goTo, IDC_LINE_NUMBER), typed);
        PostMessageA(goTo, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(goTo, IDOK)));
        AnswerMessageBox(program, "Quarel Editor",
                         std::string("There is no line ") + typed + " in this text; it has 50 lines.", IDOK);
        Check(IsWindow(goTo) && IsWindowVisible(goTo), std::string("Go To stays open after ") + typed);
    }
    // Cancel leaves the caret where it was.
    PressAndWaitClosed(goTo, IDCANCEL);
    WaitForSelection(program, StartOfLine(text, 40), StartOfLine(text, 40), "Cancel leaves the caret");
    CheckText(EditorText(program), text, "the text after Go To");
}

}  // namespace

std::vector<Scenario> GoToScenarios() {
    return {
        {"go to: Ctrl+G shows the caret's line; a line of the text moves the caret to its start in view; 51 and 0 "
         "of 50 lines say \"There is no line N in this text; it has 50 lines.\" and the dialog stays; Cancel moves "
         "nothing",
         GoToInAndOutOfRange},
    };
}
