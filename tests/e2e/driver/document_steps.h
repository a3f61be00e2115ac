// Steps with the document that many scenarios share: File commands carried through
// their dialogs, and the save question.
#pragma once

#include <string>

#include "driver/waiting.h"

class Program;

extern const char* const kBaseTitle;  // "Quarel Editor by Tenrik (rus)"
// The title after a file was opened or saved: BaseTitle + " - " + path.
std::string TitleWithFile(const std::string& path);
bool SameTextIgnoringCase(const std::string& a, const std::string& b);
// Compares titles ignoring letter case (the file dialog may spell the folder its way).
void CheckTitle(const Program& program, const std::string& expected, const std::string& when);
// Waits until the title is `expected` (ignoring case); fails showing it otherwise.
void WaitForTitle(const Program& program, const std::string& expected, const std::string& when);

// File > Open with no save question, the name chosen in "Open File"; returns when the
// title names the file, which the program sets once the file is loaded.
void OpenThroughDialog(const Program& program, const std::string& name, DWORD limitMs = kWaitLimitMs);
// File > Save As with the name typed into "Save File".
void SaveAsThroughDialog(const Program& program, const std::string& name);
// Waits for "File has changed. Save?" and answers it (IDYES, IDNO or IDCANCEL).
void AnswerSaveQuestion(const Program& program, int answer);
// Waits for a message box whose message begins with `textStart` (its caption may be
// the system's default) and presses OK.
void AcknowledgeMessage(const Program& program, const std::string& textStart);
// File > New on a named document that counts as unchanged: no question, the text
// emptied, the bare title.
void NewWithoutQuestion(const Program& program);
// The menu command brings the save question, answered Cancel; the text stays.
void CheckCommandAsksAndCancel(const Program& program, int commandId, const std::string& commandName);
