// The part of the calculation frame that needs no window: the opening texts of
// the fields and the reading of the fields into the store on CALC.
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "calculator/calculator.h"
#include "numeric/number_formats.h"
#include "numeric/precision_settings.h"
#include "text/not_a_number.h"
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
    if (field.isCheck) {
        if (text == "1") piece += field.reportLabel;
        return;
    }
    if (field.startsLine) piece += "\r\n";
    piece += field.reportLabel;
    piece += text;
}
} // namespace

std::string FieldOpeningText(const CalculatorField& field, const CalculationStore& store) {
    if (field.isName) return store.Name(field.name);
    if (field.isCheck) return store[field.value] != 0 ? "1" : "0";
    return LinearText(store[field.value]);
}

std::string StoreFieldsAndBuildInputPiece(const Calculator& calculator, CalculationStore& store,
                                          const std::function<std::string(int controlId)>& readField,
                                          RefusedField* refused) {
    // Every field is read and judged before the first is stored.
    std::vector<std::string> texts;
    std::vector<double> numbers;
    texts.reserve(calculator.fields.size());
    numbers.reserve(calculator.fields.size());
    for (const CalculatorField& field : calculator.fields) {
        texts.push_back(readField(field.controlId));
        double number = 0;
        if (!field.isName && !(ReadTypedNumber(texts.back(), number) && std::isfinite(number))) {
            if (refused != nullptr) *refused = {field.controlId, texts.back()};
            return {};
        }
        numbers.push_back(number);
    }
    std::string piece = TitlePiece(calculator.reportTitle);
    for (std::size_t i = 0; i < calculator.fields.size(); ++i) {
        const CalculatorField& field = calculator.fields[i];
        if (field.isName)
            store.Name(field.name) = texts[i];
        else
            store[field.value] = numbers[i];
        AddReportItem(piece, field, texts[i]);
    }
    piece += "\r\n";
    if (refused != nullptr) *refused = {};
    return piece;
}

std::string RefusedFieldMessage(std::string_view fieldName, std::string_view text) {
    double number = 0;
    const bool nonFinite = ReadTypedNumber(text, number) && !std::isfinite(number);
    std::string message = "The field \"" + std::string(fieldName) + "\" holds " + QuotedText(text) +
                          (nonFinite ? ", which is not a finite number." : ", which is not a number.");
    if (HoldsDecimalComma(text)) message += " Write numbers with a decimal point, as 2.5.";
    return message;
}

std::string StoredInputPiece(const Calculator& calculator, const CalculationStore& store, const char* title) {
    std::string piece = TitlePiece(title);
    bool nameLine = false;
    for (const CalculatorField& field : calculator.fields) {
        if (field.startsLine) nameLine = field.isName;
        if (!nameLine) AddReportItem(piece, field, field.isCheck ? FieldOpeningText(field, store) : TrimBlanks(FormatNumber(store[field.value])));
    }
    piece += "\r\n";
    return piece;
}

std::string_view CalculationOutput::ResultField(int controlId) const {
    for (const auto& [id, text] : resultFields)
        if (id == controlId) return text;
    return {};
}
