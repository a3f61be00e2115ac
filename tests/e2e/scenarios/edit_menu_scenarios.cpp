// The Edit menu and File > Print: commands carried out by the text field itself.
#include "driver/check.h"
#include "driver/editor_text.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
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
    SetClipboardText("");
    program.Command(CMD_EDIT_SELECT_ALL);
    program.Command(CMD_EDIT_COPY);
    WaitFor([&] { return !ClipboardText().empty(); }, "the selection to reach the clipboard");
    CheckText(ClipboardText(), text, "text copied after Select All");
}

void CutCopyPaste(ScenarioContext& context) {
    Program& program = context.Start();
    ReplaceEditorText(program, "alpha beta");
    SelectInEditor(program, 6, 10);
    SetClipboardText("");
    program.Command(CMD_EDIT_COPY);
    WaitFor([] { return ClipboardText() == "beta"; }, "Copy to put \"beta\" on the clipboard");
    CheckText(EditorText(program), "alpha beta", "text after Copy");
    SelectInEditor(program, 0, 6);
    program.Command(CMD_EDIT_CUT);
    WaitFor([&] { return EditorText(program) == "beta"; }, "Cut to remove \"alpha \"");
    WaitFor([] { return ClipboardText() == "alpha "; }, "Cut to put \"alpha \" on the clipboard");
    SelectInEditor(program, 4, 4);
    program.Command(CMD_EDIT_PASTE);
    WaitFor([&] { return EditorText(program) == "betaalpha "; }, "Paste to insert \"alpha \" at the caret");
    Check(NewAsksSaveQuestion(program), "after Cut and Paste the document counts as changed");
    CheckText(EditorText(program), "betaalpha ", "text kept after Cancel");
}

void PrintNotice(ScenarioContext& context) {
    Program& program = context.Start();
    program.Command(CMD_FILE_PRINT);
    AnswerMessageBox(program, "Notice", "Sorry - Not implemented yet!", IDOK);
    Check(program.Running(), "the program goes on after Print");
}

}  // namespace

std::vector<Scenario> EditMenuScenarios() {
    return {
        {"edit: Undo with nothing to undo says \"Nothing to undo!\"; after typing it takes the typing back",
         UndoNothingThenTyping},
        {"edit: Select All selects the whole text, also beyond 65,535 characters", SelectAllBeyond64K},
        {"edit: Cut, Copy and Paste go through the clipboard and mark the text changed", CutCopyPaste},
        {"file: Print shows \"Sorry - Not implemented yet!\" in \"Notice\"", PrintNotice},
    };
}
