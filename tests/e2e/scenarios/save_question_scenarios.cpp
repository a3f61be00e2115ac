// "File has changed. Save?" before New, Open, Exit and the close box, in every branch.
#include "driver/check.h"
#include "driver/disk_files.h"
#include "driver/document_steps.h"
#include "driver/editor_text.h"
#include "driver/file_dialogs.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
#include "resource_ids.h"

namespace {

const std::string kBook = "PK0=0   Y0=0   X0=0\r\n";

// A fresh program showing book.txt, opened through the dialog (so unchanged).
Program& StartWithBook(ScenarioContext& context) {
    WriteFileBytes(context.PathOf("book.txt"), kBook);
    Program& program = context.Start();
    OpenThroughDialog(program, "book.txt");
    WaitForEditorText(program, kBook, "text of the opened book.txt");
    return program;
}

void UnchangedAsksNothing(ScenarioContext& context) {
    Program& program = StartWithBook(context);
    NewWithoutQuestion(program);
    OpenThroughDialog(program, "book.txt");  // the open dialog comes straight away
    WaitForEditorText(program, kBook, "text opened again");
    program.Command(CMD_FILE_EXIT);
    WaitFor([&] { return !program.Running() || !NoDialogOpen(program); }, "Exit to act");
    Check(!program.Running(), "Exit of an unchanged document must end without a question");
    Check(program.WaitForExit() == 0, "exit code 0 after Exit");
}

void YesSavesThenGoesOn(ScenarioContext& context) {
    Program& program = context.Start();
    TypeIntoEditor(program, "hello");
    program.Command(CMD_FILE_NEW);
    AnswerSaveQuestion(program, IDYES);
    ChooseFileInDialog(program, "Save File", "answer");
    WaitFor([&] { return EditorText(program).empty(); }, "New to go on after the save");
    CheckFileBytes(context.PathOf("answer.txt"), "hello");
    CheckTitle(program, kBaseTitle, "after New");

    TypeIntoEditor(program, "second");
    program.Command(CMD_FILE_EXIT);
    AnswerSaveQuestion(program, IDYES);
    ChooseFileInDialog(program, "Save File", "second");
    Check(program.WaitForExit() == 0, "exit code 0 after Exit with Yes");
    CheckFileBytes(context.PathOf("second.txt"), "second");
}

void NoDiscardsAndGoesOn(ScenarioContext& context) {
    Program& program = StartWithBook(context);
    TypeIntoEditor(program, "typed");
    program.Command(CMD_FILE_OPEN);
    AnswerSaveQuestion(program, IDNO);
    ChooseFileInDialog(program, "Open File", "book.txt");
    WaitFor([&] { return EditorText(program) == kBook; }, "Open to go on and show book.txt again");
    CheckFileBytes(context.PathOf("book.txt"), kBook);

    TypeIntoEditor(program, "more");
    program.Command(CMD_FILE_NEW);
    AnswerSaveQuestion(program, IDNO);
    WaitFor([&] { return EditorText(program).empty(); }, "New to go on after No");

    TypeIntoEditor(program, "last");
    program.Command(CMD_FILE_EXIT);
    AnswerSaveQuestion(program, IDNO);
    Check(program.WaitForExit() == 0, "exit code 0 after Exit with No");
    CheckFileBytes(context.PathOf("book.txt"), kBook);
    Check(FolderEntries(context.Folder()).size() == 1, "No wrote no file");
}

void CancelKeepsEverything(ScenarioContext& context) {
    Program& program = StartWithBook(context);
    TypeIntoEditor(program, "kept");
    const std::string title = program.Title();
    for (auto [command, name] : {std::pair{CMD_FILE_NEW, "New"}, {CMD_FILE_OPEN, "Open"}, {CMD_FILE_EXIT, "Exit"}}) {
        CheckCommandAsksAndCancel(program, command, name);
        CheckNoDialogAppears(program, std::string("after Cancel at ") + name);
        CheckText(program.Title(), title, std::string("title after Cancel at ") + name);
    }
    Check(program.Running(), "Cancel at Exit keeps the program running");
    // The file name was kept too: Save writes book.txt without asking for a name.
    const std::string text = EditorText(program);
    program.Command(CMD_FILE_SAVE);
    WaitForFileBytes(context.PathOf("book.txt"), text);
    Check(NoDialogOpen(program), "Save of a named document asks nothing");
}

// Yes, then Cancel in the save dialog: nothing was saved, so the command must not throw
// the text away.
void YesThenCancelledSaveKeepsText(ScenarioContext& context) {
    Program& program = context.Start();
    TypeIntoEditor(program, "unsaved");
    for (auto [command, name] : {std::pair{CMD_FILE_NEW, "New"}, {CMD_FILE_OPEN, "Open"}, {CMD_FILE_EXIT, "Exit"}}) {
        program.Command(command);
        AnswerSaveQuestion(program, IDYES);
        CancelFileDialog(program, "Save File");
        AcknowledgeMessage(program, "File Save failed.");
        CheckNoDialogAppears(program, std::string("after the failed save at ") + name);
        CheckText(EditorText(program), "unsaved", std::string("text after the failed save at ") + name);
    }
    Check(program.Running(), "Exit was cancelled");
    Check(FolderEntries(context.Folder()).empty(), "no file was written");
    CheckCommandAsksAndCancel(program, CMD_FILE_NEW, "New after the failed saves");
}

void CloseBoxAsks(ScenarioContext& context) {
    Program& unchanged = context.Start();
    unchanged.CloseBox();
    WaitFor([&] { return !unchanged.Running() || !NoDialogOpen(unchanged); }, "the close box to act");
    Check(!unchanged.Running(), "the close box of an unchanged document ends without a question");
    Check(unchanged.WaitForExit() == 0, "exit code 0 after the close box");

    Program& program = context.Start();
    TypeIntoEditor(program, "field book");
    program.CloseBox();
    AnswerSaveQuestion(program, IDCANCEL);
    CheckNoDialogAppears(program, "after Cancel at the close box");
    Check(program.Running(), "Cancel at the close box keeps the program");
    CheckText(EditorText(program), "field book", "text after Cancel at the close box");
    program.CloseBox();
    AnswerSaveQuestion(program, IDYES);
    ChooseFileInDialog(program, "Save File", "closing");
    Check(program.WaitForExit() == 0, "exit code 0 after the close box with Yes");
    CheckFileBytes(context.PathOf("closing.txt"), "field book");
}

void CancelledOpenKeepsUnchanged(ScenarioContext& context) {
    Program& program = StartWithBook(context);
    program.Command(CMD_FILE_OPEN);
    CancelFileDialog(program, "Open File");
    AcknowledgeMessage(program, "File open failed.");
    CheckText(EditorText(program), kBook, "text after the cancelled Open");
    CheckTitle(program, TitleWithFile(context.PathOf("book.txt")), "after the cancelled Open");
    NewWithoutQuestion(program);
}

void CancelledSaveKeepsChanged(ScenarioContext& context) {
    Program& program = context.Start();
    TypeIntoEditor(program, "draft");
    program.Command(CMD_FILE_SAVE);
    CancelFileDialog(program, "Save File");
    AcknowledgeMessage(program, "File Save failed.");
    CheckCommandAsksAndCancel(program, CMD_FILE_EXIT, "Exit after the cancelled Save");
    Check(program.Running(), "still running");
    // Save once more, this time naming the file: written, and Exit then asks nothing.
    program.Command(CMD_FILE_SAVE);
    ChooseFileInDialog(program, "Save File", "draft");
    WaitForFileBytes(context.PathOf("draft.txt"), "draft");
    WaitForTitle(program, TitleWithFile(context.PathOf("draft.txt")), "after Save");
    program.Command(CMD_FILE_EXIT);
    Check(program.WaitForExit() == 0, "Exit after the Save ends without a question, exit code 0");
}

void SavedDocumentCountsUnchanged(ScenarioContext& context) {
    Program& program = context.Start();
    TypeIntoEditor(program, "report");
    SaveAsThroughDialog(program, "saved");
    WaitForFileBytes(context.PathOf("saved.txt"), "report");
    NewWithoutQuestion(program);
}

}  // namespace

std::vector<Scenario> SaveQuestionScenarios() {
    return {
        {"save question: New, Open and Exit of an unchanged document ask nothing", UnchangedAsksNothing},
        {"save question: Yes saves through the save dialog, then New and Exit go on", YesSavesThenGoesOn},
        {"save question: No discards the changes and Open, New and Exit go on", NoDiscardsAndGoesOn},
        {"save question: Cancel keeps text, file name and title at New, Open and Exit", CancelKeepsEverything},
        {"save question: Yes then a cancelled save dialog keeps the text at New, Open and Exit (mended)",
         YesThenCancelledSaveKeepsText},
        {"save question: the close box asks like Exit, Cancel keeps the program (mended)", CloseBoxAsks},
        {"save question: a cancelled Open of an unchanged document leaves it unchanged (mended)",
         CancelledOpenKeepsUnchanged},
        {"save question: a Save whose dialog is cancelled leaves the document changed; a named Save clears it", CancelledSaveKeepsChanged},
        {"save question: after Save As the document counts as unchanged", SavedDocumentCountsUnchanged},
    };
}
