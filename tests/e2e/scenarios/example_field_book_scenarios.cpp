// Help > Example field book through the real program: after the save question a new
// untitled document holding the example; then every part run as its heading says
// (the line, its profile, the survey, a set-out run, the two pictures), each without
// a refusal or a skipped line, and nothing appended holds NAN, INF or a control byte.
#include <string>

#include "driver/calculator_dialogs.h"
#include "driver/check.h"
#include "driver/editor_text.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
#include "driver/window_search.h"
#include "resource_ids.h"

namespace {

// The characters from the line that starts with `from` to the end of the first line
// after it that starts with `to`.
std::pair<int, int> Part(const std::string& text, const std::string& from, const std::string& to) {
    const std::size_t start = text.find("\r\n" + from) + 2;
    const std::size_t end = text.find("\r\n", text.find("\r\n" + to, start) + 2);
    Check(start != std::string::npos + 2 && end != std::string::npos, "the part from " + from + " to " + to);
    return {static_cast<int>(start), static_cast<int>(end)};
}

// Runs the command on the part and waits for its report to end with `ending`; the
// report must hold no refusal and no skipped line.
void RunPart(const Program& program, int command, std::pair<int, int> part, const std::string& ending,
             const std::string& what) {
    const std::string before = EditorText(program);
    SelectInEditor(program, part.first, part.second);
    program.Command(command);
    WaitFor([&] { return EditorText(program).ends_with(ending); }, what);
    const std::string added = EditorText(program).substr(before.size());
    for (const char* refusal : {"not read", "! Line", "!Point outside", "!Level", "in use"})
        Check(added.find(refusal) == std::string::npos, what + " without \"" + refusal + "\": " + Visible(added));
    Check(NoDialogOpen(program), what + ": no box after it");
}

void ExampleFieldBookRunAsItsHeadingsSay(ScenarioContext& context) {
    Program& program = context.Start();
    PasteIntoEditor(program, "my own notes");
    program.Command(CMD_HELP_EXAMPLE);
    AnswerMessageBox(program, "Confirm", "File has changed. Save?", IDNO);
    WaitFor([&] { return EditorText(program).starts_with("Quarel Editor: an example field book\r\n"); },
            "the example in place of the notes");
    const std::string book = EditorText(program);
    Check(book.find("my own notes") == std::string::npos, "the notes given up");

    RunPart(program, CMD_LINE_ELEMENTS, Part(book, "START", "END 7411250"), "Length=2357.0881\r\n",
            "1. the line");
    RunPart(program, CMD_LINE_PROFILE, Part(book, "PSTART", "PEND"), "Length=2360.0000\r\n", "2. its profile");
    RunPart(program, CMD_LINE_TRACE_POINTS, Part(book, "S1", "S8"),
            "Points: 8 traced, 0 outside, 0 skipped, 8 levels compared\r\n", "3. the survey");

    HWND dialog = OpenFromMenu(program, CMD_LINE_SET_OUT, "Set out on the Line");
    TypeFields(dialog, {{IDC_PZ_NAME, "A"}, {IDC_PK_SO, "1400"}, {IDC_D_SO, "0"}, {IDC_PK_TO, "1600"}, {IDC_STEP, "50"}});
    const std::string before = EditorText(program);
    PressCalc(dialog);
    const std::string run = EditorText(program).substr(before.size());
    for (const char* point : {"\r\nA-1   PK=1400.0000", "\r\nA-3   PK=1500.0000", "\r\nA-5   PK=1600.0000"})
        Check(run.find(point) != std::string::npos, std::string("4. the run sets out") + point + ": " + Visible(run));
    Check(run.find('!') == std::string::npos, "4. the run without a refusal: " + Visible(run));
    CloseCalculator(dialog);

    for (const auto& [command, caption] : {std::pair{CMD_LINE_PLAN, "Plan of the line"},
                                           std::pair{CMD_LINE_OFFSETS, "Offsets along the line"}}) {
        program.Command(command);
        HWND window = nullptr;
        WaitFor([&] { return (window = FindTopWindow(program.ProcessId(), caption, "Quarel_Picture")) != nullptr; },
                std::string("5. the window \"") + caption + "\"");
        PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
        WaitFor([&] { return !IsWindow(window); }, std::string("5. Esc to close \"") + caption + "\"");
    }
    // 6. The line given by its elements, and points traced on it (the profile read in
    // 2. lies elsewhere along the stations, so their levels are outside of it).
    RunPart(program, CMD_LINE_ELEMENTS, Part(book, "ELEMENTS", "END   13220"), "Length=1070.0000\r\n",
            "6. the element table");
    const std::string beforeTrace = EditorText(program);
    const auto points = Part(book, "P2 ", "P7 ");
    SelectInEditor(program, points.first, points.second);
    program.Command(CMD_LINE_TRACE_POINTS);
    WaitFor([&] { return EditorText(program).ends_with("Points: 3 traced, 0 outside, 0 skipped, 0 levels compared\r\n"); },
            "6. the points traced on the element table");
    const std::string traced = EditorText(program).substr(beforeTrace.size());
    Check(traced.find("P5   PK=12680.0000   d=0.5000   !Level outside of the profile!   h=45.0000   ARC 5") !=
              std::string::npos,
          "6. P5 on the arc: " + Visible(traced));
    CheckSoundReport(EditorText(program).substr(book.size()), "the example's reports");
}

} // namespace

std::vector<Scenario> ExampleFieldBookScenarios() {
    return {
        {"example field book: Help > Example field book after the save question; every part run as its heading "
         "says, without a refusal or a skipped line",
         ExampleFieldBookRunAsItsHeadingsSay},
    };
}
