#include "app/dialog_commands.h"

#include "calculator/win32/calculation_dialog.h"
#include "dialogs/about_dialog.h"
#include "dialogs/options_dialog.h"
#include "menu/calculator_menu.h"
#include "resource_ids.h"

namespace {
void Beep() {
    MessageBeep(MB_OK);
}
} // namespace

int RunDialogCommand(HWND owner, HWND editor, int command) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (const Calculator* calculator = CalculatorForCommand(command)) {
        const CalculationDialogParameter parameter{calculator, editor};
        Beep();
        DialogBoxParamA(instance, MAKEINTRESOURCEA(calculator->templateId), owner, CalculationDialogProc,
                        reinterpret_cast<LPARAM>(&parameter));
        return 1;
    }
    if (command == CMD_SETTINGS_OPTIONS) {
        Beep();
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_OPTIONS), owner, OptionsDialogProc,
                        reinterpret_cast<LPARAM>(editor));
        return 1;
    }
    if (command == CMD_HELP_ABOUT) {
        Beep();
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutDialogProc, 0);
        return 1;
    }
    return 0;
}
