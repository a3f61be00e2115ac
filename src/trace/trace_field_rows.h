// Rows of fields that the trace dialogs have in common: the two given points of
// the track ("PK0=   Y0=   X0=" and "PKn=   Yn=   Xn=") and the surveyed point
// ("PZ: name   Ypz=   Xpz="). A dialog's field table joins its rows in template order.
#pragma once

#include <array>

#include "resource_ids.h"
#include "trace/field_rows.h"

// The first and the second given point: A and B of the straight, the start and
// the end of the circular curve.
inline constexpr std::array<CalculatorField, 6> TraceEndPointRows = {
    NumberField(IDC_PK_FIRST, "PK0=", true, StoredValue::PK_A),
    NumberField(IDC_Y_FIRST, "   Y0=", false, StoredValue::Y_A),
    NumberField(IDC_X_FIRST, "   X0=", false, StoredValue::X_A),
    NumberField(IDC_PK_SECOND, "PKn=", true, StoredValue::PK_B),
    NumberField(IDC_Y_SECOND, "   Yn=", false, StoredValue::Y_B),
    NumberField(IDC_X_SECOND, "   Xn=", false, StoredValue::X_B),
};

// The centre of the circular curve, "CENTR: Yck=   Xck=".
inline constexpr std::array<CalculatorField, 2> TraceCentreRow = {
    NumberField(IDC_Y_CK, "CENTR: Yck=", true, StoredValue::Y_ck),
    NumberField(IDC_X_CK, "   Xck=", false, StoredValue::X_ck),
};

// The surveyed point: its name, kept as typed, and its coordinates.
inline constexpr std::array<CalculatorField, 3> TracePzRow = {
    NameField(IDC_PZ_NAME, "PZ: ", StoredName::PZ),
    NumberField(IDC_Y_PZ, "   Ypz=", false, StoredValue::Y_pz),
    NumberField(IDC_X_PZ, "   Xpz=", false, StoredValue::X_pz),
};
