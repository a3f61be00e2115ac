// Rows of fields of the trace and set-out dialogs: the two given points of the
// track ("PK0=   Y0=   X0=" and "PKn=   Yn=   Xn="), the rows of the curves, the
// surveyed point ("PZ: name   Ypz=   Xpz=") and the point to set out. A dialog's
// field table joins its rows in template order; a trace and the set-out of the
// same geometry share its geometry fields, so a value typed in one shows in the other.
#pragma once

#include <array>

#include "calculator/field_rows.h"
#include "resource_ids.h"

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

// The radius of the circular curve and the two terms of its offset.
inline constexpr std::array<CalculatorField, 3> CircularCurveRow = {
    NumberField(IDC_R_KK, "R=", true, StoredValue::R_kk),
    NumberField(IDC_Z, "   z=", false, StoredValue::z_trace),
    NumberField(IDC_Q, "   q=", false, StoredValue::q),
};

// The straight through L and NKK of the spiral; NKK's row holds the first point
// shared with the other traces.
inline constexpr std::array<CalculatorField, 6> SpiralStraightRows = {
    NumberField(IDC_PK_FIRST, "PK_l=", true, StoredValue::PK_line),
    NumberField(IDC_Y_FIRST, "   Y_l=", false, StoredValue::Y_lin),
    NumberField(IDC_X_FIRST, "   X_l=", false, StoredValue::X_lin),
    NumberField(IDC_PK_SECOND, "PK_nkk=", true, StoredValue::PK_A),
    NumberField(IDC_Y_SECOND, "   Y_nkk=", false, StoredValue::Y_A),
    NumberField(IDC_X_SECOND, "   X_nkk=", false, StoredValue::X_A),
};

// The circle and the spiral.
inline constexpr std::array<CalculatorField, 3> SpiralCurveRow = {
    NumberField(IDC_R_KK, "R_kk=", true, StoredValue::R_kk),
    NumberField(IDC_L_SK, "   L_sk=", false, StoredValue::L_sk),
    NumberField(IDC_Q, "   q=", false, StoredValue::q),
};

// The geometry fields of each trace and of its set-out, in template order.
inline constexpr auto StraightGeometryFields = TraceEndPointRows;
inline constexpr auto CircularGeometryFields = JoinFieldRows(TraceEndPointRows, TraceCentreRow, CircularCurveRow);
inline constexpr auto SpiralGeometryFields = JoinFieldRows(SpiralStraightRows, TraceCentreRow, SpiralCurveRow);

// The surveyed point: its name, kept as typed, and its coordinates.
inline constexpr std::array<CalculatorField, 3> TracePzRow = {
    NameField(IDC_PZ_NAME, "PZ: ", StoredName::PZ),
    NumberField(IDC_Y_PZ, "   Ypz=", false, StoredValue::Y_pz),
    NumberField(IDC_X_PZ, "   Xpz=", false, StoredValue::X_pz),
};

// The point to set out: its name (the PZ name, since the set-out point becomes the
// traces' PZ), its picket and offset, and the end and step of a run of pickets.
inline constexpr std::array<CalculatorField, 5> SetOutRow = {
    NameField(IDC_PZ_NAME, "SO: ", StoredName::PZ),
    NumberField(IDC_PK_SO, "   PK=", false, StoredValue::PK_so),
    NumberField(IDC_D_SO, "   d=", false, StoredValue::d_so),
    NumberField(IDC_PK_TO, "   PK_to=", false, StoredValue::PK_to),
    NumberField(IDC_STEP, "   step=", false, StoredValue::step),
};
