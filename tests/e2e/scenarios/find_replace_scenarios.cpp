// Edit > Find, Find Next (F3, Shift+F3) and Replace through the common Find and Replace
// dialogs, with the keys the program's accelerators translate.
#include <windows.h>

#include <dlgs.h>

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

// Controls of the common Find and Replace dialogs (<dlgs.h>).
constexpr int kFindWhat = edt1;
constexpr int kReplaceWith = edt2;
constexpr int kWholeWord = chx1;
constexpr int kMatchCase = chx2;
constexpr int kReplaceButton = psh1;
constexpr int kReplaceAllButton = psh2;

// A field book of a thousand report lines (under 65,536 characters), "PZ: 1234" on
// line 700 and "pz: 1234" on line 950; every other point is numbered 2000 and up.
std::string FieldBook() {
    std::string book;
    for (int line = 0; line < 1000; ++line) {
        if (line == 700) book += "PZ: 1234   Y=1.000   X=2.000\r\n";
        else if (line == 950) book += "pz: 1234 again\r\n";
        else book += "PZ: " + std::to_string(2000 + line) + "   Y=5021.331   X=7310.118\r\n";
    }
    return book;
}

// Presses a button of the modeless dialog without waiting for its answer (a search
// that finds nothing shows a modal box before it returns).
void Click(HWND dialog, int button) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

void SetCheck(HWND dialog, int box, bool on) {
    SendOrFail(GetDlgItem(dialog, box), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0, "a check box");
}

void FindFindNextAndNotFound(ScenarioContext& context) {
    Program& program = context.Start();
    const std::string book = FieldBook();
    ReplaceEditorText(program, book);
    SelectInEditor(program, 0, 0);
    const int first = static_cast<int>(book.find("PZ: 1234"));
    const int second = static_cast<int>(book.find("pz: 1234"));

    // F3 before any search opens Find, empty.
    PressKeysInProgram(program, {VK_F3});
    HWND find = WaitForDialog(program, "Find");
    CheckText(WindowText(GetDlgItem(find, kFindWhat)), "", "Find opened by F3 with nothing selected");
    PressAndWaitClosed(find, IDCANCEL);

    // Ctrl+F takes the selection (on one line) as the text to find.
    SelectInEditor(program, 0, 8);
    find = OpenByKeys(program, {VK_CONTROL, 'F'}, "Find");
    CheckText(WindowText(GetDlgItem(find, kFindWhat)), "PZ: 2000", "Find opened with a selection");
    SetText(GetDlgItem(find, kFindWhat), "PZ: 1234");
    Click(find, IDOK);
    WaitForSelection(program, first, first + 8, "Find Next selects the match");
    CheckLineInView(program, first, "the match on line 701");

    // F3 in the text: the next match, letters of either case.
    PressKeysInProgram(program, {VK_F3});
    WaitForSelection(program, second, second + 8, "F3 selects the next match");
    CheckLineInView(program, second, "the match on line 951");
    // Past the last match Find goes on from the start.
    PressKeysInProgram(program, {VK_F3});
    WaitForSelection(program, first, first + 8, "F3 past the last match wraps to the first");
    CheckLineInView(program, first, "the match on line 701 again");

    // Shift+F3 searches upward, and on from the end past the start.
    PressKeysInProgram(program, {VK_SHIFT, VK_F3});
    WaitForSelection(program, second, second + 8, "Shift+F3 above the first match wraps to the last");
    PressKeysInProgram(program, {VK_SHIFT, VK_F3});
    WaitForSelection(program, first, first + 8, "Shift+F3 selects the match above");

    // Match case: "pz: 1234" no longer matches; going on from the start finds the one
    // match again.
    SetCheck(find, kMatchCase, true);
    Click(find, IDOK);
    WaitForSelection(program, first, first + 8, "match case wraps round to the only match");
    // A text found nowhere: the box, and the selection stays.
    SetText(GetDlgItem(find, kFindWhat), "PZ: 9999");
    Click(find, IDOK);
    AnswerMessageBox(program, "Quarel Editor", "Cannot find \"PZ: 9999\"", IDOK);
    WaitForSelection(program, first, first + 8, "nothing found: the selection stays");
    PressAndWaitClosed(find, IDCANCEL);
    CheckText(EditorText(program), book, "the text after searching");
}

void ReplaceAndReplaceAllWithOneUndo(ScenarioContext& context) {
    Program& program = context.Start();
    const std::string book = "PZ: 1 a\r\nPZ: 1 b\r\npz: 1 c\r\nPZ: 12 d\r\n";
    ReplaceEditorText(program, book);
    SelectInEditor(program, 0, 0);
    HWND replace = OpenByKeys(program, {VK_CONTROL, 'H'}, "Replace");
    SetText(GetDlgItem(replace, kFindWhat), "PZ: 1");
    SetText(GetDlgItem(replace, kReplaceWith), "Rp: 7");
    SetCheck(replace, kWholeWord, true);
    Click(replace, IDOK);
    WaitForSelection(program, 0, 5, "Find Next in Replace");
    // Replace: the match replaced, the next one selected.
    Click(replace, kReplaceButton);
    WaitForEditorText(program, "Rp: 7 a\r\nPZ: 1 b\r\npz: 1 c\r\nPZ: 12 d\r\n", "after Replace");
    WaitForSelection(program, 9, 14, "Replace selects the next match");
    // Replace All: every other whole-word match, letters of either case; caret at the start.
    Click(replace, kReplaceAllButton);
    WaitForEditorText(program, "Rp: 7 a\r\nRp: 7 b\r\nRp: 7 c\r\nPZ: 12 d\r\n", "after Replace All");
    WaitForSelection(program, 0, 0, "Replace All leaves the caret at the start");
    // Nothing left to replace.
    Click(replace, kReplaceAllButton);
    AnswerMessageBox(program, "Quarel Editor", "Cannot find \"PZ: 1\"", IDOK);
    PressAndWaitClosed(replace, IDCANCEL);
    // One Undo takes the whole Replace All back.
    program.Command(CMD_EDIT_UNDO);
    WaitForEditorText(program, "Rp: 7 a\r\nPZ: 1 b\r\npz: 1 c\r\nPZ: 12 d\r\n", "after one Undo");
    Check(NoDialogOpen(program), "Undo shows no message");
    // Replacing changed the document: File > New asks (answered Cancel).
    program.Command(CMD_FILE_NEW);
    AnswerMessageBox(program, "Confirm", "File has changed. Save?", IDCANCEL);
}

}  // namespace

std::vector<Scenario> FindReplaceScenarios() {
    return {
        {"find: F3 with no search opens Find; Ctrl+F takes the selection; Find Next selects \"PZ: 1234\" and "
         "scrolls to it, F3 the next, then wraps round to the first; Shift+F3 upward wraps round to the last; "
         "match case; a text found nowhere gives \"Cannot find\" and keeps the selection",
         FindFindNextAndNotFound},
        {"replace: Ctrl+H; Replace replaces the match and selects the next; Replace All replaces every whole-word "
         "match, caret at the start, and one Undo brings the text back; the document counts as changed",
         ReplaceAndReplaceAllWithOneUndo},
    };
}
