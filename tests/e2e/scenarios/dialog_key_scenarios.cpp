// The keys of the Options and About dialogs, and the keys of a calculator.
#include "driver/calculator_dialogs.h"
#include "driver/check.h"
#include "driver/editor_text.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
#include "resource_ids.h"

namespace {

const char* const kOptionsCaption = "Quarel Editor Options";
const char* const kAboutCaption = "About Quarel Editor";

bool Gone(HWND window) {
    return !IsWindow(window) || !IsWindowVisible(window);
}

void OptionsKeys(ScenarioContext& context) {
    Program& program = context.Start();
    HWND options = OpenFromMenu(program, CMD_SETTINGS_OPTIONS, kOptionsCaption);
    CheckCentredOnWorkArea(options, kOptionsCaption);
    TypeFields(options, {{IDC_LINEARS, "5"}});
    PressKey(GetDlgItem(options, IDC_LINEARS), VK_RETURN);
    WaitFor([&] { return Gone(options); }, "Enter (default button Close) to close Options");
    CheckText(EditorText(program), "", "text after Enter in Options");

    options = OpenFromMenu(program, CMD_SETTINGS_OPTIONS, kOptionsCaption);
    CheckText(FieldText(options, IDC_LINEARS), " 4", "Linears after Enter: the typed 5 was not applied");
    PressKey(GetDlgItem(options, IDC_ANGLES), VK_ESCAPE);
    WaitFor([&] { return Gone(options); }, "Esc to close Options");
}

void AboutKeys(ScenarioContext& context) {
    Program& program = context.Start();
    HWND about = OpenFromMenu(program, CMD_HELP_ABOUT, kAboutCaption);
    CheckCentredOnWorkArea(about, kAboutCaption);
    CheckText(FieldText(about, IDC_ABOUT_VERSION), "Version 1.0.0.2", "version line of About");
    PressKey(about, VK_ESCAPE);
    PumpFor(700);
    Check(!Gone(about), "Esc must leave About open");
    PressAndWaitClosed(about, IDOK);

    about = OpenFromMenu(program, CMD_HELP_ABOUT, kAboutCaption);
    PostMessageA(about, WM_CLOSE, 0, 0);
    WaitFor([&] { return Gone(about); }, "the close box to close About");
}

// Enter in a field runs CALC (the dialog's OK), Esc closes without storing.
void CalculatorKeys(ScenarioContext& context) {
    Program& program = context.Start();
    HWND dialog = OpenFromMenu(program, CMD_RAIL_STRAIGHT, "Rail size of Linear trace");
    TypeFields(dialog, {{IDC_PK_FIRST, "0"}, {IDC_PK_SECOND, "100"}, {IDC_PK_RP, "50"}});
    PressKey(GetDlgItem(dialog, IDC_PK_RP), VK_RETURN);
    WaitFor([&] { return EditorText(program).find("Yrp=") != std::string::npos; }, "Enter to run CALC");
    Check(!Gone(dialog), "the calculator stays open after CALC");
    TypeFields(dialog, {{IDC_PK_SECOND, "777"}});
    PressKey(GetDlgItem(dialog, IDC_PK_SECOND), VK_ESCAPE);
    WaitFor([&] { return Gone(dialog); }, "Esc to close the calculator");
    dialog = OpenFromMenu(program, CMD_RAIL_STRAIGHT, "Rail size of Linear trace");
    CheckText(FieldText(dialog, IDC_PK_SECOND), "100.0000", "PK_B after Esc: the typed 777 was not stored");
    CloseCalculator(dialog);
}

}  // namespace

std::vector<Scenario> DialogKeyScenarios() {
    return {
        {"keys: Enter in Options closes it without applying, Esc closes it", OptionsKeys},
        {"keys: About shows its version, Esc leaves it open, OK and the close box close it", AboutKeys},
        {"keys: Enter in a calculator runs CALC, Esc closes it without storing", CalculatorKeys},
    };
}
