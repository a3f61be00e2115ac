// The three rail-level calculators through their real dialogs: the worked examples,
// the whole editor text compared after every CALC.
#include "driver/calculator_dialogs.h"
#include "driver/check.h"
#include "driver/document_steps.h"
#include "driver/editor_text.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "resource_ids.h"
#include "scenarios/shared_steps.h"

namespace {

// The values of the worked examples: A at picket 0 (d 10, m 2), B at 100 (d 12, m 3),
// m_rp 2.5, B_rl 0.76; Rp at `pkRp`, B_rl as typed.
std::vector<FieldEntry> RailFields(const char* pkA, const char* pkB, const char* pkRp) {
    return {{IDC_PK_FIRST, pkA}, {IDC_D_FIRST, "10"},   {IDC_M_FIRST, "2"},  {IDC_PK_SECOND, pkB},
            {IDC_D_SECOND, "12"}, {IDC_M_SECOND, "3"},   {IDC_RP_NAME, "R1"}, {IDC_PK_RP, pkRp},
            {IDC_M_RP, "2.5"},    {IDC_B_RL, "0.76"}};
}

std::vector<FieldEntry> With(std::vector<FieldEntry> fields, const std::vector<FieldEntry>& more) {
    fields.insert(fields.end(), more.begin(), more.end());
    return fields;
}

// A rail report: title, the input lines (with the calculator's curve line, if any,
// after the "PKn=" line), and the "Yrp=" line.
std::vector<std::string> RailReport(const std::string& title, const std::string& pkA, const std::string& pkB,
                                    const std::string& curveLine, const std::string& pkRp, const std::string& yRp) {
    std::vector<std::string> lines = {"", title, "", "PK0=" + pkA + "   d0=10   m0=2", "PKn=" + pkB + "   dn=12   mn=3"};
    if (!curveLine.empty()) lines.push_back(curveLine);
    for (const std::string& line : {"Rp: R1   PKrp=" + pkRp + "   mrp=2.5", std::string("Brl=0.76"), std::string(""),
                                    "Yrp=" + yRp})
        lines.push_back(line);
    return lines;
}

const char* const kStraightRailTitle = "Calculation Rail size of Linear trace";

}  // namespace

CalculationCase StraightRailWorkedExample() {
    return {"worked example", RailFields("0", "100", "50"),
            RailReport(kStraightRailTitle, "0", "100", "", "50", "10.2400"), {{IDC_Y_RP, "10.2400"}}};
}

namespace {

void StraightRail(ScenarioContext& context) {
    const std::string title = kStraightRailTitle;
    Program& program = context.Start();
    const std::vector<CalculationCase> cases = {
        // As first opened: every field 0 but B_rl, so equal pickets give not-a-number.
        {"fields as first opened", {},
         {"", title, "", "PK0=0.0000   d0=0.0000   m0=0.0000", "PKn=0.0000   dn=0.0000   mn=0.0000",
          "Rp:    PKrp=0.0000   mrp=0.0000", "Brl=0.7600", "", "Yrp=NAN"},
         {{IDC_Y_RP, "NAN"}}},
        StraightRailWorkedExample(),
        {"Rp at A", RailFields("0", "100", "0"), RailReport(title, "0", "100", "", "0", "9.7400"),
         {{IDC_Y_RP, "9.7400"}}},
        {"Rp beyond B", RailFields("0", "100", "150"), RailReport(title, "0", "100", "", "150", "11.2400"),
         {{IDC_Y_RP, "11.2400"}}},
        {"pickets running the other way", RailFields("100", "0", "50"),
         RailReport(title, "100", "0", "", "50", "10.2400"), {{IDC_Y_RP, "10.2400"}}},
    };
    CloseCalculator(RunCalculationCases(program, CMD_RAIL_STRAIGHT, "Rail size of Linear trace", cases));
}

void CircularRail(ScenarioContext& context) {
    const std::string title = "Calculation Rail size of Circular crooked trace";
    Program& program = context.Start();
    auto fields = [](const char* pkRp, const char* z) {
        return With(RailFields("0", "100", pkRp), {{IDC_R_KK, "500"}, {IDC_Z, z}});
    };
    const std::vector<CalculationCase> cases = {
        {"worked example", fields("50", "0"), RailReport(title, "0", "100", "R=500   z=0", "50", "7.7400"),
         {{IDC_Y_RP, "7.7400"}}},
        {"Rp at 20", fields("20", "0"), RailReport(title, "0", "100", "R=500   z=0", "20", "8.3400"),
         {{IDC_Y_RP, "8.3400"}}},
        {"Rp at 20 with z", fields("20", "0.015"), RailReport(title, "0", "100", "R=500   z=0.015", "20", "8.3550"),
         {{IDC_Y_RP, "8.3550"}}},
        {"Rp beyond B", fields("120", "0"), RailReport(title, "0", "100", "R=500   z=0", "120", "13.3400"),
         {{IDC_Y_RP, "13.3400"}}},
        {"Rp before A", fields("-20", "0"), RailReport(title, "0", "100", "R=500   z=0", "-20", "8.3400"),
         {{IDC_Y_RP, "8.3400"}}},
    };
    CloseCalculator(RunCalculationCases(program, CMD_RAIL_CIRCULAR, "Rail size of Circular crooked trace", cases));
}

void SpiralRail(ScenarioContext& context) {
    const std::string title = "Calculation Rail size of connecting crooked (Spiral) trace";
    Program& program = context.Start();
    auto fields = [](const char* pkRp, const char* pkNsk) {
        return With(RailFields("0", "100", pkRp), {{IDC_PKNSK, pkNsk}, {IDC_C, "6000"}});
    };
    auto line = [](const std::string& pkNsk) { return "PKnsk=" + pkNsk + "   C=6000"; };
    const std::vector<CalculationCase> cases = {
        {"worked example", fields("50", "0"), RailReport(title, "0", "100", line("0"), "50", "14.0142"),
         {{IDC_Y_RP, "14.0142"}}},
        {"Rp at NSK", fields("50", "50"), RailReport(title, "0", "100", line("50"), "50", "10.2400"),
         {{IDC_Y_RP, "10.2400"}}},
        {"Rp before A", fields("-20", "0"), RailReport(title, "0", "100", line("0"), "-20", "10.1683"),
         {{IDC_Y_RP, "10.1683"}}},
        {"Rp at A and NSK", fields("0", "0"), RailReport(title, "0", "100", line("0"), "0", "9.7400"),
         {{IDC_Y_RP, "9.7400"}}},
    };
    CloseCalculator(
        RunCalculationCases(program, CMD_RAIL_SPIRAL, "Rail size of Connecting crooked (Spiral) trace", cases));
}

// A report is appended at the very end of the text, whatever the caret or selection;
// it cannot be undone, and the document then counts as changed.
void ReportGoesToTheEnd(ScenarioContext& context) {
    Program& program = context.Start();
    const std::string book = "top\r\nbottom\r\n";
    ReplaceEditorText(program, book);
    SelectInEditor(program, 0, 3);
    HWND dialog = OpenFromMenu(program, CMD_RAIL_STRAIGHT, "Rail size of Linear trace");
    TypeFields(dialog, RailFields("0", "100", "50"));
    PressCalc(dialog);
    CloseCalculator(dialog);
    const std::string withReport =
        book + ReportLines(RailReport("Calculation Rail size of Linear trace", "0", "100", "", "50", "10.2400"));
    CheckText(EditorText(program), withReport, "text after the report");
    program.Command(CMD_EDIT_UNDO);
    AnswerMessageBox(program, "Undo Notification", "Nothing to undo!", IDOK);
    CheckText(EditorText(program), withReport, "text after Undo");
    CheckCommandAsksAndCancel(program, CMD_FILE_NEW, "New after a report");
}

}  // namespace

std::vector<Scenario> RailScenarios() {
    return {
        {"rail: straight, worked examples through the real dialog", StraightRail},
        {"rail: circular curve, worked examples through the real dialog", CircularRail},
        {"rail: spiral, worked examples through the real dialog", SpiralRail},
        {"rail: a report goes to the end of the text whatever is selected, cannot be undone, marks it changed", ReportGoesToTheEnd},
    };
}
