#include "app/dialog_commands.h"

#include "dialogs/about_dialog.h"
#include "dialogs/options_dialog.h"
#include "resource_ids.h"
#include "trace/calculator.h"
#include "trace/win32/calculation_dialog.h"

namespace {
struct DialogCommand {
    int command;
    int templateId;
    DLGPROC procedure;
};

// A calculator's dialog takes its Calculator (found by template) as the init
// parameter; Options and About take none.
constexpr DialogCommand DialogCommands[] = {
    {CMD_SETTINGS_OPTIONS, IDD_OPTIONS, OptionsDialogProc},
    {CMD_HELP_ABOUT, IDD_ABOUT, AboutDialogProc},
    {CMD_TRACE_STRAIGHT, IDD_TRACE_STRAIGHT, CalculationDialogProc},
    {CMD_TRACE_CIRCULAR, IDD_TRACE_CIRCULAR, CalculationDialogProc},
    {CMD_TRACE_SPIRAL, IDD_TRACE_SPIRAL, CalculationDialogProc},
    {CMD_RAIL_STRAIGHT, IDD_RAIL_STRAIGHT, CalculationDialogProc},
    {CMD_RAIL_CIRCULAR, IDD_RAIL_CIRCULAR, CalculationDialogProc},
    {CMD_RAIL_SPIRAL, IDD_RAIL_SPIRAL, CalculationDialogProc},
    {CMD_SET_OUT_STRAIGHT, IDD_SET_OUT_STRAIGHT, CalculationDialogProc},
    {CMD_SET_OUT_CIRCULAR, IDD_SET_OUT_CIRCULAR, CalculationDialogProc},
    {CMD_SET_OUT_SPIRAL, IDD_SET_OUT_SPIRAL, CalculationDialogProc},
};
} // namespace

int RunDialogCommand(HWND owner, int command) {
    for (const DialogCommand& d : DialogCommands) {
        if (d.command != command) continue;
        LPARAM parameter = 0;
        if (d.procedure == CalculationDialogProc)
            parameter = reinterpret_cast<LPARAM>(CalculatorForTemplate(d.templateId));
        MessageBeep(MB_OK);
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(d.templateId), owner, d.procedure,
                        parameter);
        return 1;
    }
    return 0;
}
