// The calculators' stored values: what each shows at its first opening, and how a
// value typed or computed in one is offered by the others.
#include "driver/calculator_dialogs.h"
#include "driver/check.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "resource_ids.h"
#include "scenarios/calculator_layouts.h"

namespace {

void FirstOpening(ScenarioContext& context) {
    Program& program = context.Start();
    for (const CalculatorLayout& layout : CalculatorLayouts()) {
        HWND dialog = OpenFromMenu(program, layout.command, layout.caption);
        CheckCentredOnWorkArea(dialog, layout.caption);
        for (const auto& row : layout.rows)
            for (const InputItem& item : row) {
                const char* expected = item.isName ? "" : item.fieldId == IDC_B_RL ? "0.7600" : "0.0000";
                CheckText(FieldText(dialog, item.fieldId), expected,
                          std::string(layout.caption) + ", field " + std::to_string(item.fieldId));
            }
        for (int result : layout.resultFields)
            CheckText(FieldText(dialog, result), "", std::string(layout.caption) + ", result field");
        CloseCalculator(dialog);
    }
}

struct ShownValue {
    int command;
    const char* caption;
    int fieldId;
    const char* text;
};

void CheckShown(const Program& program, const std::vector<ShownValue>& expected) {
    for (const ShownValue& shown : expected) {
        HWND dialog = OpenFromMenu(program, shown.command, shown.caption);
        CheckText(FieldText(dialog, shown.fieldId), shown.text,
                  std::string(shown.caption) + ", field " + std::to_string(shown.fieldId));
        CloseCalculator(dialog);
    }
}

void TypedValuesShared(ScenarioContext& context) {
    Program& program = context.Start();
    HWND straight = OpenFromMenu(program, CMD_TRACE_STRAIGHT, "Trace Linear");
    TypeFields(straight, {{IDC_PK_FIRST, " 12.5 "}, {IDC_Y_FIRST, "3"}, {IDC_X_FIRST, "4"}, {IDC_PK_SECOND, "7.25"},
                          {IDC_PZ_NAME, " N 1 "}, {IDC_Y_PZ, "-8"}, {IDC_X_PZ, "9"}});
    PressCalc(straight);
    CloseCalculator(straight);
    HWND rail = OpenFromMenu(program, CMD_RAIL_CIRCULAR, "Rail size of Circular crooked trace");
    TypeFields(rail, {{IDC_R_KK, "450"}, {IDC_B_RL, "1.5"}, {IDC_RP_NAME, "R9"}, {IDC_D_FIRST, "0.25"}});
    PressCalc(rail);
    CloseCalculator(rail);
    const char* const circular = "Trace Circular Crooked";
    const char* const spiral = "Trace Connecting Crooked (Spiral)";
    CheckShown(program, {
        {CMD_TRACE_STRAIGHT, "Trace Linear", IDC_PK_FIRST, "12.5000"},  // blanks around a number aside
        {CMD_TRACE_CIRCULAR, circular, IDC_PK_FIRST, "12.5000"},
        {CMD_TRACE_CIRCULAR, circular, IDC_Y_FIRST, "3.0000"},
        {CMD_TRACE_CIRCULAR, circular, IDC_X_FIRST, "4.0000"},
        {CMD_TRACE_CIRCULAR, circular, IDC_PK_SECOND, "7.2500"},
        {CMD_TRACE_CIRCULAR, circular, IDC_PZ_NAME, " N 1 "},
        {CMD_TRACE_CIRCULAR, circular, IDC_Y_PZ, "-8.0000"},
        {CMD_TRACE_CIRCULAR, circular, IDC_R_KK, "450.0000"},
        {CMD_TRACE_SPIRAL, spiral, IDC_PK_SECOND, "12.5000"},
        {CMD_TRACE_SPIRAL, spiral, IDC_Y_SECOND, "3.0000"},
        {CMD_TRACE_SPIRAL, spiral, IDC_X_SECOND, "4.0000"},
        {CMD_TRACE_SPIRAL, spiral, IDC_PK_FIRST, "0.0000"},
        {CMD_TRACE_SPIRAL, spiral, IDC_X_PZ, "9.0000"},
        {CMD_TRACE_SPIRAL, spiral, IDC_R_KK, "450.0000"},
        {CMD_RAIL_STRAIGHT, "Rail size of Linear trace", IDC_PK_FIRST, "12.5000"},
        {CMD_RAIL_STRAIGHT, "Rail size of Linear trace", IDC_PK_SECOND, "7.2500"},
        {CMD_RAIL_STRAIGHT, "Rail size of Linear trace", IDC_B_RL, "1.5000"},
        {CMD_RAIL_STRAIGHT, "Rail size of Linear trace", IDC_RP_NAME, "R9"},
        {CMD_RAIL_SPIRAL, "Rail size of Connecting crooked (Spiral) trace", IDC_D_FIRST, "0.2500"},
        {CMD_RAIL_SPIRAL, "Rail size of Connecting crooked (Spiral) trace", IDC_B_RL, "1.5000"},
    });
}

void SpiralResultsShared(ScenarioContext& context) {
    Program& program = context.Start();
    HWND spiral = OpenFromMenu(program, CMD_TRACE_SPIRAL, "Trace Connecting Crooked (Spiral)");
    TypeFields(spiral, {{IDC_PK_FIRST, "0"}, {IDC_Y_FIRST, "0"}, {IDC_X_FIRST, "0"}, {IDC_PK_SECOND, "100"},
                        {IDC_Y_SECOND, "0"}, {IDC_X_SECOND, "100"}, {IDC_Y_CK, "100"}, {IDC_X_CK, "100"},
                        {IDC_R_KK, "100"}, {IDC_L_SK, "40"}, {IDC_Q, "0.1"}, {IDC_PZ_NAME, "S1"},
                        {IDC_Y_PZ, "2"}, {IDC_X_PZ, "100"}});
    PressCalc(spiral);
    CloseCalculator(spiral);
    const char* const spiralRail = "Rail size of Connecting crooked (Spiral) trace";
    CheckShown(program, {
        {CMD_TRACE_CIRCULAR, "Trace Circular Crooked", IDC_Z, "0.6793"},
        {CMD_RAIL_SPIRAL, spiralRail, IDC_PKNSK, "79.8917"},
        {CMD_RAIL_SPIRAL, spiralRail, IDC_C, "4000.0000"},
        {CMD_RAIL_CIRCULAR, "Rail size of Circular crooked trace", IDC_Z, "0.0000"},  // its own z
    });
}

}  // namespace

std::vector<Scenario> CalculatorSharingScenarios() {
    return {
        {"calculators: each opens from its menu command with its caption, fields 0.0000, B_rl 0.7600",
         FirstOpening},
        {"calculators: a value typed in one dialog is shown by the others", TypedValuesShared},
        {"calculators: after a spiral CALC, circular z and spiral rail PKnsk and C show its values",
         SpiralResultsShared},
    };
}
