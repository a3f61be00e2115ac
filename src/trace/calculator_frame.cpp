// The part of the calculation frame that needs no window: the opening texts of
// the fields and the reading of the fields into the store on CALC.
#include <string>

#include "numeric/number_formats.h"
#include "numeric/precision_settings.h"
#include "text/number_text.h"
#include "trace/calculator.h"

std::string LinearText(double value) {
    return FormatFixed(value, LinearDecimals);
}

std::string AngleText(double angle) {
    return FormatDms(angle);
}

std::string FieldOpeningText(const CalculatorField& field, const CalculationStore& store) {
    if (field.isName) return store.Name(field.name);
    return LinearText(store[field.value]);
}

std::string StoreFieldsAndBuildInputPiece(const Calculator& calculator, CalculationStore& store,
                                          const std::function<std::string(int controlId)>& readField) {
    std::string piece = "\r\n";
    piece += calculator.reportTitle;
    piece += "\r\n";
    for (const CalculatorField& field : calculator.fields) {
        std::string text = readField(field.controlId);
        if (field.isName)
            store.Name(field.name) = text;
        else
            store[field.value] = ParseNumber(text.c_str());
        if (field.startsLine) piece += "\r\n";
        piece += field.reportLabel;
        piece += text;
    }
    piece += "\r\n";
    return piece;
}
