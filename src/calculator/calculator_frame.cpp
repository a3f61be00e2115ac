// The part of the calculation frame that needs no window: the opening texts of
// the fields and the reading of the fields into the store on CALC.
#include <string>

#include "calculator/calculator.h"
#include "numeric/number_formats.h"
#include "numeric/precision_settings.h"
#include "text/number_text.h"
#include "text/text_ops.h"

namespace {
// CR LF, the title, CR LF: the start of every input piece.
std::string TitlePiece(const char* title) {
    return std::string("\r\n") + title + "\r\n";
}

// One item of a report line: the field's label (on a new line when it starts
// one) and its text.
void AddReportItem(std::string& piece, const CalculatorField& field, const std::string& text) {
    if (field.startsLine) piece += "\r\n";
    piece += field.reportLabel;
    piece += text;
}
} // namespace

std::string FieldOpeningText(const CalculatorField& field, const CalculationStore& store) {
    if (field.isName) return store.Name(field.name);
    return LinearText(store[field.value]);
}

std::string StoreFieldsAndBuildInputPiece(const Calculator& calculator, CalculationStore& store,
                                          const std::function<std::string(int controlId)>& readField) {
    std::string piece = TitlePiece(calculator.reportTitle);
    for (const CalculatorField& field : calculator.fields) {
        std::string text = readField(field.controlId);
        if (field.isName)
            store.Name(field.name) = text;
        else
            store[field.value] = ParseNumber(text.c_str());
        AddReportItem(piece, field, text);
    }
    piece += "\r\n";
    return piece;
}

std::string StoredInputPiece(const Calculator& calculator, const CalculationStore& store, const char* title) {
    std::string piece = TitlePiece(title);
    bool nameLine = false;
    for (const CalculatorField& field : calculator.fields) {
        if (field.startsLine) nameLine = field.isName;
        if (!nameLine) AddReportItem(piece, field, TrimBlanks(FormatNumber(store[field.value])));
    }
    piece += "\r\n";
    return piece;
}

std::string_view CalculationOutput::ResultField(int controlId) const {
    for (const auto& [id, text] : resultFields)
        if (id == controlId) return text;
    return {};
}
