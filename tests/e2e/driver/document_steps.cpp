#include "driver/document_steps.h"

#include "driver/check.h"
#include "driver/editor_text.h"
#include "driver/file_dialogs.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/waiting.h"
#include "resource_ids.h"

#include <algorithm>
#include <cctype>

const char* const kBaseTitle = "Quarel Editor by Tenrik (rus)";

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::string TitleWithFile(const std::string& path) {
    return std::string(kBaseTitle) + " - " + path;
}

void CheckTitle(const Program& program, const std::string& expected, const std::string& when) {
    const std::string title = program.Title();
    if (!SameTextIgnoringCase(title, expected)) CheckText(title, expected, "title " + when);
}

void WaitForTitle(const Program& program, const std::string& expected, const std::string& when) {
    WaitUntil([&] { return SameTextIgnoringCase(program.Title(), expected); });
    CheckTitle(program, expected, when);
}

void OpenThroughDialog(const Program& program, const std::string& name, DWORD limitMs) {
    program.Command(CMD_FILE_OPEN);
    ChooseFileInDialog(program, "Open File", name);
    const std::string ending = "\\" + name;
    WaitFor(
        [&] {
            const std::string title = program.Title();
            return title.size() >= ending.size() &&
                   SameTextIgnoringCase(title.substr(title.size() - ending.size()), ending);
        },
        "the title to name the opened " + name, limitMs);
}

void SaveAsThroughDialog(const Program& program, const std::string& name) {
    program.Command(CMD_FILE_SAVE_AS);
    ChooseFileInDialog(program, "Save File", name);
}

void AnswerSaveQuestion(const Program& program, int answer) {
    AnswerMessageBox(program, "Confirm", "File has changed. Save?", answer);
}

void AcknowledgeMessage(const Program& program, const std::string& textStart) {
    PressAndWaitClosed(WaitForMessageBoxSaying(program, textStart).window, IDOK);
}

void NewWithoutQuestion(const Program& program) {
    WaitFor([&] { return !SameTextIgnoringCase(program.Title(), kBaseTitle); },
            "a file name in the title (New is checked on a named document)");
    program.Command(CMD_FILE_NEW);
    // New gives the window its bare title once the text is gone; a question comes first.
    WaitFor([&] { return !NoDialogOpen(program) || SameTextIgnoringCase(program.Title(), kBaseTitle); },
            "File > New to act");
    Check(NoDialogOpen(program), "File > New of an unchanged document must not ask");
    CheckText(EditorText(program), "", "text after New");
}

void CheckCommandAsksAndCancel(const Program& program, int commandId, const std::string& commandName) {
    const std::string before = EditorText(program);
    program.Command(commandId);
    AnswerSaveQuestion(program, IDCANCEL);
    CheckText(EditorText(program), before, "text after Cancel at " + commandName);
}
