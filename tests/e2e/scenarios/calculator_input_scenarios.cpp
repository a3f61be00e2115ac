// Numbers no calculator may stumble over: huge numbers, 10,000 characters of one
// (and a point name of 10,000 characters). Each CALC must answer, echo every field
// whole in its report, append its results, and show no message. "nan", "inf" and
// "-inf" are no finite numbers: CALC refuses them by the field's name, appending
// nothing. (Texts that are no numbers are refused; the trace and set-out scenarios
// show that.)
#include "driver/calculator_dialogs.h"
#include "driver/check.h"
#include "driver/editor_text.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/window_search.h"
#include "driver/scenario.h"
#include "scenarios/calculator_layouts.h"

namespace {

// 10,000 characters that read as a finite number (as many digits before a point would
// overflow).
std::string LongField() {
    std::string text = "1.";
    while (text.size() < 10000) text += "1234567890";
    return text.substr(0, 10000);
}

void HostileInputs(ScenarioContext& context, const CalculatorLayout& layout) {
    const std::string inputs[] = {"1e308", "-1e308", LongField()};
    Program& program = context.Start();
    HWND dialog = OpenFromMenu(program, layout.command, layout.caption);
    std::string before;
    for (const std::string& input : inputs) {
        const std::string what = std::string(layout.caption) + " with every field \"" + Visible(input, 20) + "\"";
        for (const auto& row : layout.rows)
            for (const InputItem& item : row) TypeFields(dialog, {{item.fieldId, input}});
        PressCalc(dialog);
        const std::string text = EditorText(program);
        const std::string piece = ExpectedInputPiece(layout, [&](const InputItem&) { return input; });
        Check(text.compare(0, before.size(), before) == 0, what + ": the earlier text is kept");
        CheckText(text.substr(before.size(), piece.size()), piece, what + ": input piece");
        const std::string results = text.substr(before.size() + piece.size());
        Check(results.size() > 4 && results.compare(0, 2, "\r\n") == 0 &&
                  results.compare(results.size() - 2, 2, "\r\n") == 0,
              what + ": result piece \"" + Visible(results) + "\"");
        for (int result : layout.resultFields)
            Check(!FieldText(dialog, result).empty(), what + ": result field " + std::to_string(result) + " empty");
        Check(OpenDialogs(program.ProcessId()).size() == 1,
              what + ": a message appeared");
        before = text;
    }
    // The first numeric field, named as its label shows it.
    const InputItem* first = nullptr;
    for (const auto& row : layout.rows)
        for (const InputItem& item : row)
            if (!item.isName && first == nullptr) first = &item;
    const std::string start = "The field \"" + FieldText(dialog, first->fieldId - 1) + "\" holds ";
    CheckCalcRefuses(program, dialog, first->fieldId,
                     {{"nan", start + "\"nan\", which is not a finite number."},
                      {"inf", start + "\"inf\", which is not a finite number."},
                      {"-inf", start + "\"-inf\", which is not a finite number."}},
                     before);
    CloseCalculator(dialog);
    // The long point name was kept whole.
    dialog = OpenFromMenu(program, layout.command, layout.caption);
    for (const auto& row : layout.rows)
        for (const InputItem& item : row)
            if (item.isName) CheckText(FieldText(dialog, item.fieldId), LongField(), "point name kept whole");
    CloseCalculator(dialog);
}

template <int Index>
void HostileInputsOf(ScenarioContext& context) {
    HostileInputs(context, CalculatorLayouts()[Index]);
}

}  // namespace

std::vector<Scenario> CalculatorInputScenarios() {
    return {
        {"calculator inputs: straight trace takes any number without crash, hang or cut", HostileInputsOf<0>},
        {"calculator inputs: circular trace takes any number without crash, hang or cut", HostileInputsOf<1>},
        {"calculator inputs: spiral trace takes any number without crash, hang or cut", HostileInputsOf<2>},
        {"calculator inputs: straight rail takes any number without crash, hang or cut", HostileInputsOf<3>},
        {"calculator inputs: circular rail takes any number without crash, hang or cut", HostileInputsOf<4>},
        {"calculator inputs: spiral rail takes any number without crash, hang or cut", HostileInputsOf<5>},
    };
}
