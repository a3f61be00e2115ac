#include "calculator/win32/calculation_dialog.h"

#include <string>

#include "text/win32/window_text.h"

namespace {
const CalculationDialogParameter* DialogParameter(HWND dialog) {
    return reinterpret_cast<const CalculationDialogParameter*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void SetField(HWND dialog, int controlId, const char* text) {
    WriteWindowText(GetDlgItem(dialog, controlId), text);
}

// What a field holds as CALC reads it: its text as typed, or "1" or "0" for a
// check box, checked or not.
std::string FieldText(HWND dialog, const Calculator& calculator, int controlId) {
    for (const CalculatorField& field : calculator.fields)
        if (field.controlId == controlId && field.isCheck)
            return IsDlgButtonChecked(dialog, controlId) == BST_CHECKED ? "1" : "0";
    return std::string(ReadWindowText(GetDlgItem(dialog, controlId)));
}

// Every input field shows its stored value (result fields stay empty); then the
// dialog is centred.
void OnOpening(HWND dialog, const CalculationDialogParameter* parameter) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(parameter));
    if (parameter != nullptr && parameter->calculator != nullptr) {
        const Calculator& calculator = *parameter->calculator;
        for (const CalculatorField& field : calculator.fields)
            if (field.isCheck)
                CheckDlgButton(dialog, field.controlId,
                               FieldOpeningText(field, TheCalculationStore) == "1" ? BST_CHECKED : BST_UNCHECKED);
            else
                SetField(dialog, field.controlId, FieldOpeningText(field, TheCalculationStore).c_str());
        if (calculator.note != nullptr)
            SetField(dialog, calculator.note->controlId, calculator.note->text().c_str());
    }
    CenterOnWorkArea(dialog);
}

// A field that holds no number stops CALC: a box names the field by its label (the
// static control whose id is the field's less one) and its text, and the field gets
// the focus with its text selected, ready to be typed over.
void RefuseField(HWND dialog, const RefusedField& refused) {
    HWND field = GetDlgItem(dialog, refused.controlId);
    const std::string label = ReadWindowText(GetDlgItem(dialog, refused.controlId - 1));
    ShowMessage(RefusedFieldMessage(label, refused.text).c_str(), RefusedFieldCaption,
                MB_OK | MB_ICONEXCLAMATION);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    SendMessageA(field, EM_SETSEL, 0, -1);
}

// CALC: all fields are stored and echoed in the report before anything is computed;
// nothing is stored or appended when one of them holds no number.
void OnCalc(HWND dialog, const Calculator& calculator, HWND editor) {
    RefusedField refused;
    std::string input = StoreFieldsAndBuildInputPiece(
        calculator, TheCalculationStore,
        [dialog, &calculator](int controlId) { return FieldText(dialog, calculator, controlId); },
        &refused);
    if (refused.controlId != 0) {
        RefuseField(dialog, refused);
        return;
    }
    AppendToEditor(editor, input.c_str());

    CalculationOutput output = calculator.compute(TheCalculationStore);
    for (const auto& [controlId, text] : output.resultFields)
        SetField(dialog, controlId, text.c_str());
    for (const std::string& piece : output.resultPieces)
        AppendToEditor(editor, piece.c_str());
}
} // namespace

INT_PTR CALLBACK CalculationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnOpening(dialog, reinterpret_cast<const CalculationDialogParameter*>(lParam));
        break;
    case WM_COMMAND:
        // The whole wParam: only the button click and the Enter and Esc keys count.
        if (wParam == IDOK) {
            const CalculationDialogParameter* parameter = DialogParameter(dialog);
            if (parameter != nullptr && parameter->calculator != nullptr)
                OnCalc(dialog, *parameter->calculator, parameter->editor);
        } else if (wParam == IDCANCEL) {
            EndDialog(dialog, 0);
        }
        break;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        break;
    }
    // FALSE for every message, WM_INITDIALOG included: the dialog manager then sets
    // no initial focus.
    return FALSE;
}
