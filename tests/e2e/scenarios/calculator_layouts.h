// What the six calculators look like from outside: menu command, caption, report
// title, and the input fields with the report label of each, row by row as the input
// piece of the report writes them.
#pragma once

#include <string>
#include <vector>

struct InputItem {
    const char* label;  // written before the field's text, e.g. "PK0=" or "   Y0="
    int fieldId;
    bool isName;  // the point-name field (text), not a number
};

struct CalculatorLayout {
    int command;
    const char* caption;
    const char* title;
    std::vector<std::vector<InputItem>> rows;
    std::vector<int> resultFields;
};

const std::vector<CalculatorLayout>& CalculatorLayouts();
// The input piece a CALC appends when every input field holds its text from `textOf`.
template <typename TextOf>
std::string ExpectedInputPiece(const CalculatorLayout& layout, TextOf textOf) {
    std::string piece = std::string("\r\n") + layout.title + "\r\n";
    for (const auto& row : layout.rows) {
        piece += "\r\n";
        for (const InputItem& item : row) piece += item.label + textOf(item);
    }
    return piece + "\r\n";
}
