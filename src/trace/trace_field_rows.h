// Rows of fields that the trace dialogs have in common: the two given points of
// the track ("PK0=   Y0=   X0=" and "PKn=   Yn=   Xn=") and the surveyed point
// ("PZ: name   Ypz=   Xpz="). A dialog's field table joins its rows in template order.
#pragma once

#include <array>
#include <cstddef>

#include "resource_ids.h"
#include "trace/calculator.h"

// A numeric field of a trace dialog.
constexpr CalculatorField TraceNumberField(int controlId, const char* reportLabel, bool startsLine,
                                           StoredValue value) {
    return {controlId, reportLabel, startsLine, false, value, StoredName::PZ};
}

// The first and the second given point: A and B of the straight, the start and
// the end of the circular curve.
inline constexpr std::array<CalculatorField, 6> TraceEndPointRows = {
    TraceNumberField(IDC_PK_FIRST, "PK0=", true, StoredValue::PK_A),
    TraceNumberField(IDC_Y_FIRST, "   Y0=", false, StoredValue::Y_A),
    TraceNumberField(IDC_X_FIRST, "   X0=", false, StoredValue::X_A),
    TraceNumberField(IDC_PK_SECOND, "PKn=", true, StoredValue::PK_B),
    TraceNumberField(IDC_Y_SECOND, "   Yn=", false, StoredValue::Y_B),
    TraceNumberField(IDC_X_SECOND, "   Xn=", false, StoredValue::X_B),
};

// The surveyed point: its name, kept as typed, and its coordinates.
inline constexpr std::array<CalculatorField, 3> TracePzRow = {
    CalculatorField{IDC_PZ_NAME, "PZ: ", true, true, StoredValue::Count, StoredName::PZ},
    TraceNumberField(IDC_Y_PZ, "   Ypz=", false, StoredValue::Y_pz),
    TraceNumberField(IDC_X_PZ, "   Xpz=", false, StoredValue::X_pz),
};

// The rows one after the other, as one field table.
template <std::size_t... N>
constexpr std::array<CalculatorField, (N + ...)>
JoinFieldRows(const std::array<CalculatorField, N>&... rows) {
    std::array<CalculatorField, (N + ...)> fields{};
    std::size_t i = 0;
    (([&] {
         for (const CalculatorField& f : rows)
             fields[i++] = f;
     }()),
     ...);
    return fields;
}
