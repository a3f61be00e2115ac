#include "app/dialog_commands.h"

#include "calculator/win32/calculation_dialog.h"
#include "dialogs/about_dialog.h"
#include "dialogs/options_dialog.h"
#include "resource_ids.h"

namespace {
void Beep() {
    MessageBeep(MB_OK);
}
} // namespace

void RunCalculationDialog(HWND owner, HWND editor, const Calculator& calculator) {
    const CalculationDialogParameter parameter{&calculator, editor};
    Beep();
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(calculator.templateId), owner,
                    CalculationDialogProc, reinterpret_cast<LPARAM>(&parameter));
}

void RunOptionsDialog(HWND owner, HWND editor) {
    Beep();
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS), owner, OptionsDialogProc,
                    reinterpret_cast<LPARAM>(editor));
}

void RunAboutDialog(HWND owner) {
    Beep();
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutDialogProc, 0);
}
