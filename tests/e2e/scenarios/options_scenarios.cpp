// Settings > Options: the two numbers of decimals, their clamping notes, and their
// use by the calculators opened afterwards; Settings > Font... for the field book.
#include <windows.h>

#include <dlgs.h>

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

const char* const kOptionsCaption = "Quarel Editor Options";

struct ApplyCase {
    const char* linears;
    const char* angles;
    const char* shownLinears;
    const char* shownAngles;
    const char* notes;  // appended to the text
};

// OK applies the fields, notes each clamped value in the text, shows the values in force.
void ApplyClampsAndNotes(ScenarioContext& context) {
    const ApplyCase cases[] = {
        {" 4", " 2", " 4", " 2", ""},
        {"9", "-1", " 7", " 0", "\r\n! Len Frac Linear = 7\r\n\r\n! Len Frac Angles = 0\r\n"},
        {"abc", "3", " 2", " 3", "\r\n! Len Frac Linear = 2\r\n"},
        {"3.9", "-0.5", " 3", " 0", ""},
        {"1", "5", " 2", " 4", "\r\n! Len Frac Linear = 2\r\n\r\n! Len Frac Angles = 4\r\n"},
        {"1e300", "nan", " 7", " 0", "\r\n! Len Frac Linear = 7\r\n"},
        {"-inf", "inf", " 2", " 4", "\r\n! Len Frac Linear = 2\r\n\r\n! Len Frac Angles = 4\r\n"},
    };
    Program& program = context.Start();
    HWND options = OpenFromMenu(program, CMD_SETTINGS_OPTIONS, kOptionsCaption);
    CheckText(FieldText(options, IDC_LINEARS), " 4", "Linears at the first opening");
    CheckText(FieldText(options, IDC_ANGLES), " 2", "Angles at the first opening");
    std::string text;
    for (const ApplyCase& c : cases) {
        const std::string what = std::string("Linears \"") + c.linears + "\", Angles \"" + c.angles + "\": ";
        TypeFields(options, {{IDC_LINEARS, c.linears}, {IDC_ANGLES, c.angles}});
        PressInPlace(options, IDOK, "OK of Options");
        text += c.notes;
        CheckText(EditorText(program), text, what + "text");
        CheckText(FieldText(options, IDC_LINEARS), c.shownLinears, what + "Linears shown");
        CheckText(FieldText(options, IDC_ANGLES), c.shownAngles, what + "Angles shown");
    }
    PressAndWaitClosed(options, IDCANCEL);
}

// New decimals take effect at the next opening of a calculator and in its report.
void DecimalsUsedByCalculators(ScenarioContext& context) {
    Program& program = context.Start();
    HWND options = OpenFromMenu(program, CMD_SETTINGS_OPTIONS, kOptionsCaption);
    TypeFields(options, {{IDC_LINEARS, "6"}, {IDC_ANGLES, "4"}});
    PressInPlace(options, IDOK, "OK of Options");
    PressAndWaitClosed(options, IDCANCEL);

    HWND trace = OpenFromMenu(program, CMD_TRACE_STRAIGHT, "Trace Linear");
    CheckText(FieldText(trace, IDC_PK_FIRST), "0.000000", "PK_A written with 6 decimals");
    // B one radian round from the X axis, 100 from A.
    TypeFields(trace, {{IDC_PK_FIRST, "0"}, {IDC_Y_FIRST, "0"}, {IDC_X_FIRST, "0"}, {IDC_PK_SECOND, "100"},
                       {IDC_Y_SECOND, "84.1470984808"}, {IDC_X_SECOND, "54.0302305868"}, {IDC_PZ_NAME, "P1"},
                       {IDC_Y_PZ, "5"}, {IDC_X_PZ, "30"}});
    PressCalc(trace);
    CheckText(FieldText(trace, IDC_PK_PZ), "20.416424", "PK_pz with 6 decimals");
    CheckText(FieldText(trace, IDC_D_PZ), "-22.542618", "d_pz with 6 decimals");
    CheckText(EditorText(program),
              ReportLines({"", "Calculation on linear trace", "", "PK0=0   Y0=0   X0=0",
                           "PKn=100   Yn=84.1470984808   Xn=54.0302305868", "PZ: P1   Ypz=5   Xpz=30", "",
                           "Apk= 57' 17' 44.8062'   Lpk=100.000000", "", "PKpz1=20.416424   Dpz1=-22.542618",
                           "PKpz2=20.416424   Dpz2=-22.542618"}),
              "report with 6 linear decimals and 4 decimals of the seconds");
    CloseCalculator(trace);
}

// Controls of the common Font dialog (<dlgs.h>): the face, style and size lists.
constexpr int kFontFace = cmb1;
constexpr int kFontStyle = cmb2;
constexpr int kFontSize = cmb3;

// Chooses the first entry of one of the Font dialog's lists, as a click does.
void ChooseFirst(HWND dialog, int list) {
    HWND combo = GetDlgItem(dialog, list);
    Check(combo != nullptr, "the Font dialog has no list " + std::to_string(list));
    SendOrFail(combo, CB_SETCURSEL, 0, 0, "a Font list");
    SendOrFail(dialog, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo), "a Font list");
}

// Settings > Font...: Cancel changes nothing; a font chosen draws the text field's
// text (its characters stand elsewhere) and is shown at the next opening.
void FontChosenForTheFieldBook(ScenarioContext& context) {
    Program& program = context.Start();
    ReplaceEditorText(program, "PKpz1=1078.5398   Dpz=2.0000\r\n");
    // Where the text field draws the last character of the line (x in the low word).
    const auto lastCharacterAt = [&] {
        return LOWORD(SendOrFail(program.Editor(), EM_POSFROMCHAR, 27, 0, "where a character stands"));
    };
    const WORD systemFontAt = lastCharacterAt();
    PressAndWaitClosed(OpenFromMenu(program, CMD_SETTINGS_FONT, "Font"), IDCANCEL);
    Check(lastCharacterAt() == systemFontAt, "Cancel keeps the font");

    HWND font = OpenFromMenu(program, CMD_SETTINGS_FONT, "Font");
    for (int list : {kFontFace, kFontStyle, kFontSize}) ChooseFirst(font, list);
    const std::string face = WindowText(GetDlgItem(font, kFontFace));
    Check(!face.empty(), "a face chosen in the Font dialog");
    PressAndWaitClosed(font, IDOK);
    WaitFor([&] { return lastCharacterAt() != systemFontAt; }, "the text field to draw in the font chosen");

    font = OpenFromMenu(program, CMD_SETTINGS_FONT, "Font");
    CheckText(WindowText(GetDlgItem(font, kFontFace)), face, "the Font dialog opens on the font chosen");
    PressAndWaitClosed(font, IDCANCEL);
    CheckText(EditorText(program), "PKpz1=1078.5398   Dpz=2.0000\r\n", "the text after choosing a font");
}

}  // namespace

std::vector<Scenario> OptionsScenarios() {
    return {
        {"options: OK clamps Linears and Angles, notes each clamp, shows the values in force", ApplyClampsAndNotes},
        {"options: changed decimals are used by the next calculator opening and report", DecimalsUsedByCalculators},
        {"font: Settings > Font... sets the field book's font on screen, kept for the next opening; the system "
         "font until then",
         FontChosenForTheFieldBook},
    };
}
