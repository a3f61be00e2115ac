// The check of surveyed track through the real menu: a survey with a TOL line,
// measured cants and levels traced on a line with cant and profile, its flags and
// its summary; a run set out with the line's main points among its pickets; the
// points of each written for the instrument through the Save dialog and read back
// byte for byte.
#include <string>
#include <vector>

#include "driver/calculator_dialogs.h"
#include "driver/check.h"
#include "driver/disk_files.h"
#include "driver/editor_text.h"
#include "driver/file_dialogs.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
#include "resource_ids.h"

namespace {

// The selection [start, end) read by a command whose report other scenarios check:
// waits until its report is appended.
void ReadSelection(const Program& program, int commandId, int start, int end) {
    const std::size_t before = EditorText(program).size();
    SelectInEditor(program, start, end);
    program.Command(commandId);
    WaitFor([&] { return EditorText(program).size() > before; }, "the report of command " + std::to_string(commandId));
}

// Quarel > Line > Export points into the file at `path` (whole: the dialog opens
// where the last file dialog of the session left off) of the type at `typeIndex`
// (0: name,Y,X,H; 1: name,X,Y,H) of the Save dialog.
void ExportPoints(const Program& program, const std::string& path, int typeIndex) {
    program.Command(CMD_LINE_EXPORT_POINTS);
    HWND dialog = WaitForDialog(program, "Save File");
    constexpr int FileTypeBox = 0x470; // cmb1, the types of the common dialog
    HWND types = GetDlgItem(dialog, FileTypeBox);
    Check(types != nullptr, "the Save dialog's list of types");
    CheckText(std::to_string(SendMessageA(types, CB_GETCOUNT, 0, 0)), "2", "two types of file");
    // As a choice in the list tells the dialog: the selection ended, then changed.
    SendMessageA(types, CB_SETCURSEL, typeIndex, 0);
    for (WORD notification : {CBN_SELENDOK, CBN_SELCHANGE})
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(FileTypeBox, notification), reinterpret_cast<LPARAM>(types));
    ChooseFileInDialog(program, "Save File", path);
}

const char* const LineWithCant = "START 100.000 5000.000 2000.000\r\n"
                                 "IP VU1 5600.000 2800.000 800 100 90\r\n"
                                 "IP VU2 5650.000 3900.000 600 0\r\n"
                                 "END 6250.000 4800.000\r\n";
const char* const Profile = "PSTART 100.000 210.500\r\n"
                            "PVI VP1 900.000 214.500 12000\r\n"
                            "PVI VP2 1800.000 209.100 15000\r\n"
                            "PEND 3250.000 212.400\r\n";
// P1 on the straight before VU1 (1.5 m right at PK 300), S1 on the spiral in (2.5 m
// right of PK 843.3471), S2 at SK (1 m left), P5 outside.
const char* const Survey = "P1,a 5121.200 2159.100 - 2\r\n"
                           "TOL d=2 dH=0.005 dh=3\r\n"
                           "S1 5447.9161 2593.2772 214.2200 38\r\n"
                           "S2\t5563.5973\t2813.0600\t213.3400\t86.5\r\n"
                           "P5 4990 1990 200";

// Before any trace or set-out the export gives its notice; the survey traced: each
// point's design level, cant, measured cant and flags, then the summary; its points
// written with X before Y.
//   Hd of S1 on VP1's crest (grade 5 per mille to 900, Rv 12000, NVK 834):
//   210.5 + 0.005 (843.3471 - 100) - 9.3471^2 / 24000 = 214.2131, dH 0.0069048; of S2
//   on the grade of -6 per mille: 214.5 - 0.006 (1092.6043 - 900) = 213.3444, dH
//   -0.0043742. h of S1 on VU1's ramp from NSK1 803.3471 (0) to KSK1 903.3732 (90):
//   90 * 40 / 100.0261 = 35.9906, dh 2.0094; S2 at SK: 90, dh -3.5; P1: 0, dh 2.
//   d: 1.5, 2.5, -1: mean 1, rms sqrt(9.5 / 3) = 1.7795; over 2: S1.
//   dH: mean (0.0069048 - 0.0043742) / 2 = 0.0012653, rms sqrt((0.0069048^2 +
//   0.0043742^2) / 2) = 0.0057797; over 0.005: S1.
//   dh: 2 + 2.0094 - 3.5 = 0.5094, mean 0.1698; rms sqrt((4 + 4.0376642 + 12.25) / 3)
//   = 2.6005; over 3: S2.
void SurveyCheckedAgainstTolerances(ScenarioContext& context) {
    Program& program = context.Start();
    const std::string text = std::string(LineWithCant) + Profile + Survey;
    PasteIntoEditor(program, text);
    program.Command(CMD_LINE_EXPORT_POINTS);
    AnswerMessageBox(program, "Notice", "No line has been read yet.", IDOK);
    const int profileAt = static_cast<int>(std::string(LineWithCant).size());
    const int surveyAt = static_cast<int>(text.find("P1,a"));
    ReadSelection(program, CMD_LINE_ELEMENTS, 0, profileAt);
    program.Command(CMD_LINE_EXPORT_POINTS);
    AnswerMessageBox(program, "Notice", "No points have been traced or set out on the line yet.", IDOK);
    ReadSelection(program, CMD_LINE_PROFILE, profileAt, surveyAt);
    RunOnSelection(program, CMD_LINE_TRACE_POINTS, surveyAt, static_cast<int>(text.size()),
                   {"", "Trace of points on the line",
                    "P1,a   PK=300.0000   d=1.5000   Hd=211.5000   h=0.0000   hm=2.0000   dh=2.0000   straight "
                    "START-VU1",
                    "S1   PK=843.3471   d=2.5000   Hd=214.2131   dH=0.0069   h=35.9906   hm=38.0000   dh=2.0094   "
                    "spiral in VU1   !over: d dH!",
                    "S2   PK=1092.6043   d=-1.0000   Hd=213.3444   dH=-0.0044   h=90.0000   hm=86.5000   "
                    "dh=-3.5000   circle VU1   !over: dh!",
                    "P5   !Point outside of the line!",
                    "d: n=3 min=-1.0000 (S2) max=2.5000 (S1) mean=1.0000 rms=1.7795 over=1",
                    "dH: n=2 min=-0.0044 (S2) max=0.0069 (S1) mean=0.0013 rms=0.0058 over=1",
                    "dh: n=3 min=-3.5000 (S2) max=2.0094 (S1) mean=0.1698 rms=2.6005 over=1",
                    "Points: 3 traced, 1 outside, 0 skipped, 2 levels compared"},
                   "the survey checked against its tolerances");
    ExportPoints(program, context.PathOf("survey.csv"), 1);
    WaitForFileBytes(context.PathOf("survey.csv"), "name,X,Y,H\r\n"
                                                   "\"P1,a\",2159.1000,5121.2000,\r\n"
                                                   "S1,2593.2772,5447.9161,214.2200\r\n"
                                                   "S2,2813.0600,5563.5973,213.3400\r\n");
}

// A line of a straight north, a quarter circle of R 100 to the right and a straight
// east, as an element table; its joints ARC 2 (PK 100, Y 1000 X 5100) and STRAIGHT 3
// (PK 257.0796, Y 1100 X 5200).
const char* const ElementLine = "ELEMENTS Check\r\n"
                                "STRAIGHT 0 1000 5000 0 100\r\n"
                                "ARC 100 1000 5100 0 157.0796326795 100\r\n"
                                "STRAIGHT 257.0796326795 1100 5200 90 100\r\n"
                                "END 357.0796326795 1200 5200";

// A run from 50 to 300 by 100, 2 m right, with the main points: the pickets 50, 150,
// 250 and 300 and the joints in station order among them. On the arc (centre Y 1100
// X 5100) a point 2 m right lies 98 m from the centre, at the angle s / 100 from the
// west: Y = 1100 - 98 cos(s / 100), X = 5100 + 98 sin(s / 100); s = 50: 1013.9969
// 5146.9837; s = 150: 1093.0678 5197.7545. On the straights: Y 1002 at X 5050; X
// 5198 at Y 1100 + 42.9204. A joint is set out on the element that ends there. Then
// its points written with Y before X.
void RunSetOutWithMainPoints(ScenarioContext& context) {
    Program& program = context.Start();
    PasteIntoEditor(program, ElementLine);
    ReadSelection(program, CMD_LINE_ELEMENTS, 0, static_cast<int>(std::string(ElementLine).size()));
    HWND dialog = OpenFromMenu(program, CMD_LINE_SET_OUT, "Set out on the Line");
    CheckText(std::to_string(IsDlgButtonChecked(dialog, IDC_WITH_MAIN_POINTS)), "0", "with main points unchecked");
    CheckDlgButton(dialog, IDC_WITH_MAIN_POINTS, BST_CHECKED);
    TypeFields(dialog, {{IDC_PZ_NAME, "R"}, {IDC_PK_SO, "50"}, {IDC_D_SO, "2"}, {IDC_PK_TO, "300"}, {IDC_STEP, "100"}});
    const std::string before = EditorText(program);
    PressCalc(dialog);
    const std::string expected = ReportLines(
        {"", "Set out on the line", "", "SO: R   PK=50   d=2   PK_to=300   step=100   with main points", "",
         "Line Check, PK 0.0000 to 357.0796", "",
         "R-1   PK=50.0000   d=2.0000   Y=1002.0000   X=5050.0000   STRAIGHT 1",
         "ARC 2   PK=100.0000   d=2.0000   Y=1002.0000   X=5100.0000   STRAIGHT 1",
         "R-2   PK=150.0000   d=2.0000   Y=1013.9969   X=5146.9837   ARC 2",
         "R-3   PK=250.0000   d=2.0000   Y=1093.0678   X=5197.7545   ARC 2",
         "STRAIGHT 3   PK=257.0796   d=2.0000   Y=1100.0000   X=5198.0000   ARC 2",
         "R-4   PK=300.0000   d=2.0000   Y=1142.9204   X=5198.0000   STRAIGHT 3"});
    WaitForEditorText(program, before + expected, "the run with its main points");
    CloseCalculator(dialog);
    dialog = OpenFromMenu(program, CMD_LINE_SET_OUT, "Set out on the Line");
    CheckText(std::to_string(IsDlgButtonChecked(dialog, IDC_WITH_MAIN_POINTS)), "1", "with main points kept");
    CloseCalculator(dialog);
    ExportPoints(program, context.PathOf("run.csv"), 0);
    WaitForFileBytes(context.PathOf("run.csv"), "name,Y,X,H\r\n"
                                                "R-1,1002.0000,5050.0000,\r\n"
                                                "ARC 2,1002.0000,5100.0000,\r\n"
                                                "R-2,1013.9969,5146.9837,\r\n"
                                                "R-3,1093.0678,5197.7545,\r\n"
                                                "STRAIGHT 3,1100.0000,5198.0000,\r\n"
                                                "R-4,1142.9204,5198.0000,\r\n");
}

} // namespace

std::vector<Scenario> TrackCheckScenarios() {
    return {
        {"track check: notices before a line and before any points; a survey with a TOL line, measured cants "
         "and levels traced, its flags and summary; its points exported name,X,Y,H",
         SurveyCheckedAgainstTolerances},
        {"track check: a run set out with the main points of an element line among its pickets; its points "
         "exported name,Y,X,H",
         RunSetOutWithMainPoints},
    };
}
