#include "driver/calculator_dialogs.h"

#include "driver/check.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/editor_text.h"
#include "driver/waiting.h"
#include "driver/window_search.h"

void TypeFields(HWND dialog, const std::vector<FieldEntry>& entries) {
    for (const FieldEntry& entry : entries) {
        HWND field = GetDlgItem(dialog, entry.id);
        Check(field != nullptr, "the dialog has no field " + std::to_string(entry.id));
        SetText(field, entry.text);
    }
}

std::string FieldText(HWND dialog, int fieldId) {
    HWND field = GetDlgItem(dialog, fieldId);
    Check(field != nullptr, "the dialog has no field " + std::to_string(fieldId));
    return WindowText(field);
}

void PressCalc(HWND dialog) {
    PressInPlace(dialog, IDOK, "CALC");
}

void CloseCalculator(HWND dialog) {
    PressAndWaitClosed(dialog, IDCANCEL);
}

std::vector<RefusedText> NotANumberRefusals(const std::string& label) {
    const std::string start = "The field \"" + label + "\" holds ";
    return {{"2,5", start + "\"2,5\", which is not a number. Write numbers with a decimal point, as 2.5."},
            {"abc", start + "\"abc\", which is not a number."},
            {"", start + "\"\", which is not a number."}};
}

void CheckCalcRefuses(const Program& program, HWND dialog, int fieldId, const std::vector<RefusedText>& refused,
                      const std::string& textBefore) {
    HWND field = GetDlgItem(dialog, fieldId);
    Check(field != nullptr, "the dialog has no field " + std::to_string(fieldId));
    for (const RefusedText& r : refused) {
        const std::string what = "CALC with \"" + r.typed + "\" in field " + std::to_string(fieldId);
        SetText(field, r.typed);
        // Posted: the box the program shows keeps CALC from returning until it closes.
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        AnswerMessageBox(program, "Quarel Editor", r.message, IDOK);
        const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
        WaitFor([&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return GetGUIThreadInfo(thread, &info) && info.hwndFocus == field;
        }, what + ": the field to get the focus");
        // The answer packs both ends (the pointers of EM_GETSEL do not cross processes).
        const LRESULT selection = SendOrFail(field, EM_GETSEL, 0, 0, what);
        const size_t start = LOWORD(selection), end = HIWORD(selection);
        Check(start == 0 && end == r.typed.size(), what + ": selection " + std::to_string(start) + ".." +
                                                       std::to_string(end) + ", not the whole text");
        CheckText(EditorText(program), textBefore, what + ": the editor text");
    }
}

void RunOnSelection(const Program& program, int commandId, int start, int end,
                    const std::vector<std::string>& lines, const std::string& what) {
    const std::string before = EditorText(program);
    SelectInEditor(program, start, end);
    program.Command(commandId);
    WaitForEditorText(program, before + ReportLines(lines), what);
    Check(NoDialogOpen(program), what + ": no dialog or message box after the report");
}

std::string ReportLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

HWND RunCalculationCases(const Program& program, int commandId, const std::string& caption,
                         const std::vector<CalculationCase>& cases, const std::string& textBefore) {
    HWND dialog = OpenFromMenu(program, commandId, caption);
    std::string expected = textBefore;
    for (const CalculationCase& c : cases) {
        TypeFields(dialog, c.fields);
        PressCalc(dialog);
        expected += ReportLines(c.report);
        CheckText(EditorText(program), expected, std::string(c.what) + ": editor text");
        for (const FieldEntry& result : c.results)
            CheckText(FieldText(dialog, result.id), result.text,
                      std::string(c.what) + ": field " + std::to_string(result.id));
    }
    return dialog;
}
