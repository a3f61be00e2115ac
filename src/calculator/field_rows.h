// Building blocks of the calculators' field tables: one numeric field, one name
// field, and rows of fields joined in template order into one table.
#pragma once

#include <array>
#include <cstddef>

#include "calculator/calculator.h"

// A numeric field: the number its text holds is stored in value (CALC refuses a
// text that holds none).
constexpr CalculatorField NumberField(int controlId, const char* reportLabel, bool startsLine,
                                      StoredValue value) {
    return {controlId, reportLabel, startsLine, false, value, StoredName::PZ, false};
}

// A check box: 1 stored in value when it is checked, 0 when not; reportLabel
// is written in the report only when it is checked.
constexpr CalculatorField CheckField(int controlId, const char* reportLabel, StoredValue value) {
    return {controlId, reportLabel, false, false, value, StoredName::PZ, true};
}

// A point-name field: its text is kept as typed; it starts a report line.
constexpr CalculatorField NameField(int controlId, const char* reportLabel, StoredName name) {
    return {controlId, reportLabel, true, true, StoredValue::Count, name, false};
}

// The rows one after the other, as one field table.
template <std::size_t... N>
constexpr std::array<CalculatorField, (N + ...)> JoinFieldRows(const std::array<CalculatorField, N>&... rows) {
    std::array<CalculatorField, (N + ...)> fields{};
    std::size_t i = 0;
    (([&] {
         for (const CalculatorField& f : rows)
             fields[i++] = f;
     }()),
     ...);
    return fields;
}
