// Quarel > Line through the real menu: a route's IP table pasted into the field
// book under a heading, selected and read, the report of its elements compared
// whole; no selection, a notice; a survey traced on the line read; a run of pickets
// set out on it in its dialog; before any line is read, a notice.
#include <string>
#include <vector>

#include "driver/calculator_dialogs.h"
#include "driver/check.h"
#include "driver/editor_text.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "resource_ids.h"

namespace {

const char* const IpTable = "Route 12: design of the IP table\r\n"
                            "START 100.000 5000.000 2000.000\r\n"
                            "IP VU1 5600.000 2800.000 800 100\r\n"
                            "IP\tVU2\t5650.000\t3900.000\t600\t0\r\n"
                            "END 6250.000 4800.000";

// The report of the table's elements, with the note of the heading when it is read.
std::vector<std::string> ElementsReport(bool withHeading) {
    std::vector<std::string> lines = {"", "Elements of the line"};
    if (withHeading) lines.push_back("! Line 1 skipped: Route 12: design of the IP table");
    for (const char* line :
         {"START   PK=100.0000   Y=5000.0000   X=2000.0000",
          "VU1   PK=1100.0000   Y=5600.0000   X=2800.0000   !Left!   Theta= 34' 16' 2.41'",
          "   R=800.0000   L=100.0000   C=80000.0000   (Z)=0.5218   a=50.0261   R-(Z)=799.4782",
          "   T=296.6529   K=578.5144   D=14.7914   B=37.6746",
          "   NSK1   PK=803.3471   Y=5422.0083   X=2562.6777",
          "   KSK1   PK=903.3732   Y=5480.3186   X=2643.8961",
          "   SK   PK=1092.6043   Y=5564.5385   X=2812.7223",
          "   KSK2   PK=1281.8355   Y=5606.8507   X=2996.5836",
          "   NSK2   PK=1381.8615   Y=5613.4703   X=3096.3469",
          "VU2   PK=2186.3444   Y=5650.0000   X=3900.0000   !Right!   Theta= 31' 5' 15.02'",
          "   R=600.0000   L=0.0000   C=0.0000   (Z)=0.0000   a=0.0000   R-(Z)=600.0000",
          "   T=166.8882   K=325.5476   D=8.2289   B=22.7774",
          "   NSK1   PK=2019.4562   Y=5642.4220   X=3733.2839",
          "   KSK1   PK=2019.4562   Y=5642.4220   X=3733.2839",
          "   SK   PK=2182.2300   Y=5671.6445   X=3892.9061",
          "   KSK2   PK=2345.0038   Y=5742.5729   X=4038.8594",
          "   NSK2   PK=2345.0038   Y=5742.5729   X=4038.8594",
          "END   PK=3259.7809   Y=6250.0000   X=4800.0000", "Length=3159.7809"})
        lines.push_back(line);
    return lines;
}

// A table whose IP on line 8 of the text has a decimal comma.
const char* const TableWithComma = "\r\n\r\nSTART 0 5432000.000 7000.000\r\n"
                                   "IP A 5432548,022 7600.000 500 0\r\n"
                                   "END 5432000.000 8500.000";

// No selection gives the notice and nothing else; then the table is read; a second
// table below it is refused, naming its line as the text counts it, and the line
// read before stays in use.
void ElementsOfPastedTable(ScenarioContext& context) {
    Program& program = context.Start();
    PasteIntoEditor(program, IpTable);
    program.Command(CMD_LINE_ELEMENTS);
    AnswerMessageBox(program, "Notice", "Select the lines of the line to read.", IDOK);
    CheckText(EditorText(program), IpTable, "the text after the notice");
    RunOnSelection(program, CMD_LINE_ELEMENTS, 3, static_cast<int>(std::string(IpTable).size()),
                   ElementsReport(true), "the elements of the line");

    const std::string text = std::string(IpTable) + TableWithComma;
    ReplaceEditorText(program, text);
    RunOnSelection(program, CMD_LINE_ELEMENTS, static_cast<int>(text.rfind("START")),
                   static_cast<int>(text.size()),
                   {"", "Elements of the line",
                    "!Line not read: line 8: \"5432548,022\" is not a number (write a decimal point)!",
                    "The line read before stays in use."},
                   "the table with a decimal comma");
}

const char* const Survey = "\r\nSurvey of 8 December\r\n"
                           "P1 5121.200 2159.100\r\n"
                           "P2\t5450.188\t2604.018\r\n"
                           "P3;5565.244;2812.469\r\n"
                           "P4,5668.794,3893.840\r\n"
                           "P5 4990 1990";

// Before a line is read the two commands give their notice; then the table is read
// and the survey under it traced on the line.
void SurveyTracedOnTheLine(ScenarioContext& context) {
    Program& program = context.Start();
    const std::string text = std::string(IpTable) + Survey;
    PasteIntoEditor(program, text);
    for (int command : {CMD_LINE_TRACE_POINTS, CMD_LINE_SET_OUT}) {
        program.Command(command);
        AnswerMessageBox(program, "Notice", "No line has been read yet.", IDOK);
        Check(NoDialogOpen(program), "no dialog after the notice");
    }
    CheckText(EditorText(program), text, "the text after the notices");
    const int survey = static_cast<int>(text.find("Survey"));
    RunOnSelection(program, CMD_LINE_ELEMENTS, static_cast<int>(text.find("START")), survey - 2,
                   ElementsReport(false), "the line read");
    RunOnSelection(
        program, CMD_LINE_TRACE_POINTS, survey, static_cast<int>(text.size()),
        {"", "Trace of points on the line", "! Line 6 skipped, \"of\" is not a number: Survey of 8 December",
         "P1   PK=300.0000   d=1.5000   straight START-VU1", "P2   PK=853.3605   d=-2.0000   spiral in VU1",
         "P3   PK=1092.6041   d=0.7496   circle VU1", "P4   PK=2182.2296   d=-2.9996   circle VU2",
         "P5   !Point outside of the line!", "Points: 4 traced, 1 outside, 1 skipped"},
        "the survey traced on the line");
}

// The dialog names the line read; a d_so that holds no number stops CALC (nothing
// appended or stored); a run of pickets across the end of a spiral; " 12.5 " is
// read as 12.5.
void RunSetOutOnTheLine(ScenarioContext& context) {
    Program& program = context.Start();
    PasteIntoEditor(program, IpTable);
    const std::string table = IpTable;
    RunOnSelection(program, CMD_LINE_ELEMENTS, 0, static_cast<int>(table.size()), ElementsReport(true),
                   "the line read");
    HWND dialog = OpenFromMenu(program, CMD_LINE_SET_OUT, "Set out on the Line");
    TypeFields(dialog, {{IDC_PZ_NAME, "Q"}, {IDC_PK_SO, "1370"}, {IDC_PK_TO, "1400"}, {IDC_STEP, "10"}});
    CheckCalcRefuses(program, dialog, IDC_D_SO, NotANumberRefusals("d_so"), EditorText(program));
    CloseCalculator(dialog);
    dialog = OpenFromMenu(program, CMD_LINE_SET_OUT, "Set out on the Line");
    CheckText(FieldText(dialog, IDC_PZ_NAME), "", "nothing stored: the name");
    CheckText(FieldText(dialog, IDC_PK_SO), "0.0000", "nothing stored: PK_so");
    CloseCalculator(dialog);
    dialog = RunCalculationCases(
        program, CMD_LINE_SET_OUT, "Set out on the Line",
        {{"a run across NSK2 of VU1",
          {{IDC_PZ_NAME, "R"},
           {IDC_PK_SO, "1370"},
           {IDC_D_SO, "-1.5"},
           {IDC_PK_TO, "1400"},
           {IDC_STEP, "10"}},
          {"", "Set out on the line", "", "SO: R   PK=1370   d=-1.5   PK_to=1400   step=10", "",
           "Line START-VU1-VU2-END, PK 100.0000 to 3259.7809", "",
           "R-1   PK=1370.0000   d=-1.5000   Y=5611.4298   X=3084.5672   spiral out VU1",
           "R-2   PK=1380.0000   d=-1.5000   Y=5611.8873   X=3094.5554   spiral out VU1",
           "R-3   PK=1390.0000   d=-1.5000   Y=5612.3414   X=3104.5451   straight VU1-VU2",
           "R-4   PK=1400.0000   d=-1.5000   Y=5612.7955   X=3114.5348   straight VU1-VU2"},
          {{IDC_Y_SO, "5611.4298"}, {IDC_X_SO, "3084.5672"}}}},
        EditorText(program));
    CheckText(FieldText(dialog, IDC_LINE_STORED), "Line START-VU1-VU2-END, PK 100.0000 to 3259.7809",
              "the line the dialog names");
    const std::string before = EditorText(program);
    TypeFields(dialog, {{IDC_D_SO, " 12.5 "}, {IDC_PK_TO, "0"}, {IDC_STEP, "0"}});
    PressCalc(dialog);
    const std::string added = EditorText(program).substr(before.size());
    Check(added.find("\r\nSO: R   PK=1370   d= 12.5    PK_to=0   step=0\r\n") != std::string::npos &&
              added.find("\r\nR   PK=1370.0000   d=12.5000   Y=") != std::string::npos,
          "\" 12.5 \" in d_so set out at d 12.5: \"" + added + "\"");
    CloseCalculator(dialog);
    dialog = OpenFromMenu(program, CMD_LINE_SET_OUT, "Set out on the Line");
    CheckText(FieldText(dialog, IDC_D_SO), "12.5000", "d_so stored as 12.5");
    CloseCalculator(dialog);
}

const char* const Profile = "Profile of route 12\r\n"
                            "PSTART 100.000 210.500\r\n"
                            "PVI VP1 900.000 214.500 12000\r\n"
                            "pvi\tVP2\t1800.000\t209.100\t15000\r\n"
                            "PVI;VP3;2700.000;209.100;0\r\n"
                            "PEND 3250.000 212.400";

// The report of the profile read under its heading, on line headingLine.
std::vector<std::string> ProfileReport(int headingLine) {
    return {"",
            "Profile of the line",
            "! Line " + std::to_string(headingLine) + " skipped: Profile of route 12",
            "PSTART   PK=100.0000   H=210.5000",
            "VP1   PK=900.0000   H=214.5000   Rv=12000.0000   !Crest!",
            "   i1=5.0000   i2=-6.0000",
            "   Tv=66.0000   Kv=132.0000   Bv=0.1815   Hc=214.3185",
            "   NVK   PK=834.0000   H=214.1700",
            "   KVK   PK=966.0000   H=214.1040",
            "VP2   PK=1800.0000   H=209.1000   Rv=15000.0000   !Sag!",
            "   i1=-6.0000   i2=0.0000",
            "   Tv=45.0000   Kv=90.0000   Bv=0.0675   Hc=209.1675",
            "   NVK   PK=1755.0000   H=209.3700",
            "   KVK   PK=1845.0000   H=209.1000",
            "VP3   PK=2700.0000   H=209.1000   Rv=0.0000",
            "   i1=0.0000   i2=6.0000",
            "   Tv=0.0000   Kv=0.0000   Bv=0.0000   Hc=209.1000",
            "   NVK   PK=2700.0000   H=209.1000",
            "   KVK   PK=2700.0000   H=209.1000",
            "PEND   PK=3250.0000   H=212.4000",
            "Length=3150.0000"};
}

// Profiles refused, pasted below the one read: the reason of each, which names a
// line as the document numbers it.
const struct {
    const char* table;
    const char* reason;
} RefusedProfiles[] = {
    {"PSTART 0 100\r\nPVI A 500 110,5 0\r\nPEND 1000 100",
     "line 8: the H field \"110,5\" is not a number (write a decimal point)"},
    {"PSTART 0 100\r\nPVI A 500 110 0\r\nPVI B 400 100 0\r\nPEND 1000 100",
     "the pickets of A and B do not increase"},
    {"PSTART 0 100\r\nPVI A 500 110 0", "there is no PEND line"},
};

// The profile read through the menu under its heading; then each refused table
// below it selected and read: its report is the title and the reason alone.
void ProfileOfPastedTable(ScenarioContext& context) {
    Program& program = context.Start();
    std::string text = Profile;
    std::vector<std::pair<int, int>> refusedAt;
    for (const auto& r : RefusedProfiles) {
        text += "\r\n";
        refusedAt.push_back(
            {static_cast<int>(text.size()), static_cast<int>(text.size() + std::string(r.table).size())});
        text += r.table;
    }
    PasteIntoEditor(program, text);
    RunOnSelection(program, CMD_LINE_PROFILE, 0, static_cast<int>(std::string(Profile).size()),
                   ProfileReport(1), "the profile read");
    for (std::size_t i = 0; i < refusedAt.size(); ++i)
        RunOnSelection(
            program, CMD_LINE_PROFILE, refusedAt[i].first, refusedAt[i].second,
            {"", "Profile of the line", std::string("!Profile not read: ") + RefusedProfiles[i].reason + "!",
             "The profile read before stays in use."},
            RefusedProfiles[i].reason);
}

// A line with a cant of 90 mm on VU1, its profile and a survey with levels: the
// elements show the cant and its ramp; the points traced show their design level,
// the difference of their own and the cant; a run set out shows the design levels
// and the dialog the first one.
void LevelsAndCantOnTheLine(ScenarioContext& context) {
    Program& program = context.Start();
    const std::string table = "START 100.000 5000.000 2000.000\r\n"
                              "IP VU1 5600.000 2800.000 800 100 90\r\n"
                              "IP VU2 5650.000 3900.000 600 0 curve2\r\n"
                              "END 6250.000 4800.000\r\n";
    const std::string survey = "Levelled 8 December\r\n"
                               "P1 5121.200 2159.100\r\n"
                               "S1 5447.9161 2593.2772 214.2200\r\n"
                               "S2\t5563.5973\t2813.0600\t213.3400\tcode\r\n"
                               "P5 4990 1990 200";
    const std::string text = table + Profile + "\r\n" + survey;
    PasteIntoEditor(program, text);
    std::vector<std::string> elements = ElementsReport(false);
    for (std::string& line : elements)
        if (line.starts_with("   R=800.0000")) line += "   h=90.0000   ramp=0.9000";
    RunOnSelection(program, CMD_LINE_ELEMENTS, 0, static_cast<int>(table.size()), elements,
                   "the line with its cant");
    const int profileAt = static_cast<int>(table.size()), surveyAt = static_cast<int>(text.find("Levelled"));
    RunOnSelection(program, CMD_LINE_PROFILE, profileAt, surveyAt - 2, ProfileReport(5), "the profile");
    RunOnSelection(program, CMD_LINE_TRACE_POINTS, surveyAt, static_cast<int>(text.size()),
                   {"", "Trace of points on the line",
                    "! Line 11 skipped, \"December\" is not a number: Levelled 8 December",
                    "P1   PK=300.0000   d=1.5000   Hd=211.5000   h=0.0000   straight START-VU1",
                    "S1   PK=843.3471   d=2.5000   Hd=214.2131   dH=0.0069   h=35.9906   spiral in VU1",
                    "S2   PK=1092.6043   d=-1.0000   Hd=213.3444   dH=-0.0044   h=90.0000   circle VU1",
                    "P5   !Point outside of the line!",
                    "Points: 3 traced, 1 outside, 1 skipped, 2 levels compared"},
                   "the survey traced with its levels");
    HWND dialog = RunCalculationCases(
        program, CMD_LINE_SET_OUT, "Set out on the Line",
        {{"a run on the straight VU1-VU2, on the grade after VP1",
          {{IDC_PZ_NAME, "R"},
           {IDC_PK_SO, "1390"},
           {IDC_D_SO, "-1.5"},
           {IDC_PK_TO, "1400"},
           {IDC_STEP, "10"}},
          {"", "Set out on the line", "", "SO: R   PK=1390   d=-1.5   PK_to=1400   step=10", "",
           "Line START-VU1-VU2-END, PK 100.0000 to 3259.7809", "",
           "R-1   PK=1390.0000   d=-1.5000   Y=5612.3414   X=3104.5451   H=211.5600   h=0.0000   straight "
           "VU1-VU2",
           "R-2   PK=1400.0000   d=-1.5000   Y=5612.7955   X=3114.5348   H=211.5000   h=0.0000   straight "
           "VU1-VU2"},
          {{IDC_Y_SO, "5612.3414"}, {IDC_X_SO, "3104.5451"}, {IDC_H_SO, "211.5600"}}}},
        EditorText(program));
    CloseCalculator(dialog);
}

} // namespace

std::vector<Scenario> LineScenarios() {
    return {
        {"line: no selection gives a notice; a pasted IP table under a heading, read through the menu, its "
         "elements reported; a table with a decimal comma refused, naming line 8 of the text",
         ElementsOfPastedTable},
        {"line: notices before a line is read, then a survey traced on the line read", SurveyTracedOnTheLine},
        {"line: a d_so holding \"2,5\", \"abc\" or nothing refused by name, nothing appended or stored; a "
         "run "
         "of pickets set out on the line in its dialog; \" 12.5 \" read as 12.5",
         RunSetOutOnTheLine},
        {"line: a pasted profile under a heading read through the menu, its grades and curves reported; "
         "refused "
         "profiles below it",
         ProfileOfPastedTable},
        {"line: with a cant and a profile, a survey with levels traced and a run set out with its design "
         "levels",
         LevelsAndCantOnTheLine},
    };
}
