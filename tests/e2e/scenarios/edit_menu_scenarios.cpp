// The Edit menu's text-field commands, and File > Print cancelled.
#include "driver/calculator_dialogs.h"
#include "driver/check.h"
#include "driver/editor_text.h"
#include "driver/editor_view.h"
#include "driver/file_dialogs.h"
#include "driver/keyboard.h"
#include "driver/modal_windows.h"
#include "driver/printed_pdf.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
#include "driver/window_search.h"
#include "resource_ids.h"

namespace {

// Whether the document counts as changed, seen the way a user sees it: File > New asks
// the save question (answered Cancel, so nothing is lost) or empties the text at once.
bool NewAsksSaveQuestion(const Program& program) {
    program.Command(CMD_FILE_NEW);
    WaitFor([&] { return !NoDialogOpen(program) || EditorText(program).empty(); }, "File > New to act");
    if (NoDialogOpen(program)) return false;
    AnswerMessageBox(program, "Confirm", "File has changed. Save?", IDCANCEL);
    return true;
}

void UndoNothingThenTyping(ScenarioContext& context) {
    Program& program = context.Start();
    program.Command(CMD_EDIT_UNDO);
    AnswerMessageBox(program, "Undo Notification", "Nothing to undo!", IDOK);
    TypeIntoEditor(program, "field book");
    program.Command(CMD_EDIT_UNDO);
    WaitFor([&] { return EditorText(program).empty(); }, "Undo to take the typing back");
    Check(NoDialogOpen(program), "Undo of typing shows no message");
}

void SelectAllBeyond64K(ScenarioContext& context) {
    Program& program = context.Start();
    std::string text;
    for (int line = 0; text.size() < 70000; ++line) text += "PKpz1=" + std::to_string(1000 + line) + ".0000\r\n";
    ReplaceEditorText(program, text);
    CheckText(EditorText(program), text, "text of more than 65,535 characters in the text field");
    program.Command(CMD_EDIT_SELECT_ALL);
    CheckText(CommandToClipboard(program, CMD_EDIT_COPY), text, "text copied after Select All");
}

// The text field holds more than the edit control's default limit (30,000 characters
// under Wine, 32,767 by the documentation): typing and reports are still taken whole.
void LongFieldBookTakesMore(ScenarioContext& context) {
    Program& program = context.Start();
    std::string book;
    for (int line = 0; book.size() < 70000; ++line) book += "PKpz1=" + std::to_string(1000 + line) + ".0000\r\n";
    ReplaceEditorText(program, book);
    SelectInEditor(program, static_cast<int>(book.size()), static_cast<int>(book.size()));
    TypeIntoEditor(program, "typed");
    book += "typed";
    WaitForEditorText(program, book, "typing at the end of a long text");
    HWND rail = OpenFromMenu(program, CMD_RAIL_STRAIGHT, "Rail size of Linear trace");
    TypeFields(rail, {{IDC_PK_FIRST, "0"}, {IDC_D_FIRST, "10"}, {IDC_M_FIRST, "2"}, {IDC_PK_SECOND, "100"},
                      {IDC_D_SECOND, "12"}, {IDC_M_SECOND, "3"}, {IDC_RP_NAME, "R1"}, {IDC_PK_RP, "50"},
                      {IDC_M_RP, "2.5"}, {IDC_B_RL, "0.76"}});
    PressCalc(rail);
    CheckText(EditorText(program),
              book + ReportLines({"", "Calculation Rail size of Linear trace", "", "PK0=0   d0=10   m0=2",
                                  "PKn=100   dn=12   mn=3", "Rp: R1   PKrp=50   mrp=2.5", "Brl=0.76", "",
                                  "Yrp=10.2400"}),
              "a report appended to a long text");
    Check(OpenDialogs(program.ProcessId()).size() == 1, "no message besides the calculator");
    CloseCalculator(rail);
}

void CutCopyPaste(ScenarioContext& context) {
    Program& program = context.Start();
    ReplaceEditorText(program, "alpha beta");
    SelectInEditor(program, 6, 10);
    CheckText(CommandToClipboard(program, CMD_EDIT_COPY), "beta", "clipboard after Copy");
    CheckText(EditorText(program), "alpha beta", "text after Copy");
    SelectInEditor(program, 0, 6);
    CheckText(CommandToClipboard(program, CMD_EDIT_CUT), "alpha ", "clipboard after Cut");
    WaitForEditorText(program, "beta", "text after Cut");
    SelectInEditor(program, 4, 4);
    program.Command(CMD_EDIT_PASTE);
    WaitForEditorText(program, "betaalpha ", "text after Paste at the end");
    Check(NewAsksSaveQuestion(program), "after Cut and Paste the document counts as changed");
    CheckText(EditorText(program), "betaalpha ", "text kept after Cancel");
}

// File > Print, cancelled: nothing printed and no message. Where the test has no
// printer, the only answer is "No printer is installed.".
void PrintCancelled(ScenarioContext& context) {
    Program& program = context.Start();
    ReplaceEditorText(program, "PZ: 1234\r\n");
    program.Command(CMD_FILE_PRINT);
    if (context.Settings().printPdf.empty()) {
        AnswerMessageBox(program, "Quarel Editor", "No printer is installed.", IDOK);
    } else {
        ForgetPrintedPdf(context.Settings());
        PressAndWaitClosed(WaitForDialog(program, "Print"), IDCANCEL);
        CheckNoDialogAppears(program, "after Print was cancelled");
        Check(GetFileAttributesA(context.Settings().printPdf.c_str()) == INVALID_FILE_ATTRIBUTES,
              "no PDF printed after Cancel");
    }
    CheckText(EditorText(program), "PZ: 1234\r\n", "the text after Print");
    Check(program.Running(), "the program goes on after Print");
}

// The menus' keys, pressed as the keyboard presses them: Ctrl+A selects the whole
// text; Ctrl+N and Ctrl+O ask the save question of a changed text; Ctrl+S of a text
// without a file opens Save As (cancelled, the save fails as File > Save's does);
// Ctrl+P opens Print. Every answer Cancel.
void MenuKeys(ScenarioContext& context) {
    Program& program = context.Start();
    TypeIntoEditor(program, "field book");
    SelectInEditor(program, 3, 3);
    PressKeysInProgram(program, {VK_CONTROL, 'A'});
    WaitForSelection(program, 0, 10, "Ctrl+A selects the whole text");
    for (WORD key : {WORD('N'), WORD('O')}) {
        PressKeysInProgram(program, {VK_CONTROL, key});
        AnswerMessageBox(program, "Confirm", "File has changed. Save?", IDCANCEL);
    }
    PressKeysInProgram(program, {VK_CONTROL, 'S'});
    CancelFileDialog(program, "Save File");
    AnswerMessageBox(program, "Error", "File Save failed.", IDOK);
    PressKeysInProgram(program, {VK_CONTROL, 'P'});
    if (context.Settings().printPdf.empty())
        AnswerMessageBox(program, "Quarel Editor", "No printer is installed.", IDOK);
    else
        PressAndWaitClosed(WaitForDialog(program, "Print"), IDCANCEL);
    CheckNoDialogAppears(program, "after the keys");
    CheckText(EditorText(program), "field book", "the text after the keys");
}

}  // namespace

std::vector<Scenario> EditMenuScenarios() {
    return {
        {"edit: Undo with nothing to undo says \"Nothing to undo!\"; after typing it takes the typing back",
         UndoNothingThenTyping},
        {"edit: Select All selects the whole text, also beyond 65,535 characters", SelectAllBeyond64K},
        {"edit: a field book beyond the edit control's default limit takes typing and reports whole (mended)",
         LongFieldBookTakesMore},
        {"edit: Cut, Copy and Paste go through the clipboard and mark the text changed", CutCopyPaste},
        {"file: Print cancelled in the Print dialog prints nothing and says nothing (\"No printer is installed.\" "
         "where there is none)",
         PrintCancelled},
        {"keys: Ctrl+A selects all; Ctrl+N and Ctrl+O ask the save question; Ctrl+S opens Save As; Ctrl+P opens "
         "Print",
         MenuKeys},
    };
}
