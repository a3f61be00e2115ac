// A calculator is data plus one function: a table of its input fields, which drives
// the filling of the dialog at opening, the reading of the fields on CALC and the
// input piece of the report; and a compute function, which turns the stored values
// into the texts of the result fields and the result pieces of the report.
// Nothing here knows about windows: the one calculation dialog procedure supplies
// the field texts and shows what comes back.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculator/calculation_store.h"
#include "numeric/report_numbers.h"

// One input field of a calculator, in template order.
struct CalculatorField {
    int controlId;
    // Report label written before the field's text: "PK0=", "   Y0=", "PZ: "...
    const char* reportLabel;
    // True when the label starts a new report line (a CR LF is written before it).
    bool startsLine;
    // A name field keeps its text as typed; a numeric field stores ParseNumber of it.
    bool isName;
    StoredValue value; // numeric fields
    StoredName name;   // name fields
    // A check box stores 1 (checked) or 0 in value; its label is written in the
    // report only when it is checked.
    bool isCheck;
};

// What one calculation gives back after the inputs are stored.
struct CalculationOutput {
    // Result fields (control id, text), written in this order.
    std::vector<std::pair<int, std::string>> resultFields;
    // Result pieces of the report, each appended to the editor as it stands
    // (each begins and ends with CR LF).
    std::vector<std::string> resultPieces;
    // A trace's report begins with the lines of its element of track alone, which
    // do not depend on the surveyed point: the first elementLength characters of
    // the first piece, from its CR LF to the CR LF that ends them.
    std::size_t elementLength = 0;
    // The trace's words when the surveyed point got no picket ("!Point outside of
    // circular crooked!"); null when it got one.
    const char* pointNotTraced = nullptr;

    std::string_view ElementLines() const {
        return resultPieces.empty() ? std::string_view()
                                    : std::string_view(resultPieces[0]).substr(0, elementLength);
    }
    // The text of a result field; empty when the calculator has no such field.
    std::string_view ResultField(int controlId) const;
};

// A line of text a dialog shows when it opens, beside its fields.
struct CalculatorNote {
    int controlId;
    std::string (*text)();
};

struct Calculator {
    int templateId;          // dialog template, as in resource_ids.h
    const char* reportTitle; // "Calculation on linear trace"
    std::span<const CalculatorField> fields;
    // Computes from the stored values (a calculator may store values of its own
    // into the store, as the spiral trace does).
    CalculationOutput (*compute)(CalculationStore& store);
    const CalculatorNote* note = nullptr; // none for most
};

// The text a field shows when its dialog opens: FormatFixed(value, LinearDecimals)
// for numbers, the kept name for a name field, "1" or "0" for a check box (the
// dialog checks it or not; on CALC it reads a check box as "1" or "0").
std::string FieldOpeningText(const CalculatorField& field, const CalculationStore& store);

// A numeric field whose text is not a finite number, which stops CALC before anything is
// stored: its control id (0 when every field held a number) and its text as typed.
struct RefusedField {
    int controlId = 0;
    std::string text;
};

// CALC, first step: reads every field through readField (control id -> the text
// exactly as typed, whole). When every numeric field holds a finite number
// (ReadTypedNumber: blanks around it aside, wholly one number; "inf", "nan" and
// "1e400" are none), stores each (ParseNumber of its text)
// and each name as typed, and returns the input piece: CR LF, title, CR LF, the
// report lines, CR LF. Otherwise stores nothing, returns an empty text and puts the
// first numeric field that holds no number in refused (when given).
std::string StoreFieldsAndBuildInputPiece(const Calculator& calculator, CalculationStore& store,
                                          const std::function<std::string(int controlId)>& readField,
                                          RefusedField* refused = nullptr);

// What CALC says of a refused field, named as its dialog labels it:
// The field "d_so" holds "2,5", which is not a number. Write numbers with a decimal
// point, as 2.5. (the second sentence when the text holds a decimal comma);
// The field "d_so" holds "inf", which is not a finite number. (when the text reads
// as infinity, NaN or a value beyond the range of a double).
std::string RefusedFieldMessage(std::string_view fieldName, std::string_view text);

// The input piece as CALC would write it, under another title, had every numeric
// field been typed as TrimBlanks(FormatNumber(stored value)), and without the line
// that holds the point name. Stores nothing.
std::string StoredInputPiece(const Calculator& calculator, const CalculationStore& store, const char* title);
