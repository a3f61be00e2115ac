// What the three rail-level calculators have in common: the rows of the points A
// and B and of the point Rp with B_rl, and the one result y_rp, shown in its field
// and reported as the line "Yrp=". Each calculator adds only its formula and, on a
// curve, the row of its curve elements between the B row and the Rp row.
#pragma once

#include <array>
#include <cstddef>

#include "calculator/field_rows.h"
#include "resource_ids.h"

// The rows of A and B: "PK0=   d0=   m0=" and "PKn=   dn=   mn=".
inline constexpr std::array<CalculatorField, 6> RailPointRows = {
    NumberField(IDC_PK_FIRST, "PK0=", true, StoredValue::PK_A),
    NumberField(IDC_D_FIRST, "   d0=", false, StoredValue::d_A),
    NumberField(IDC_M_FIRST, "   m0=", false, StoredValue::m_A),
    NumberField(IDC_PK_SECOND, "PKn=", true, StoredValue::PK_B),
    NumberField(IDC_D_SECOND, "   dn=", false, StoredValue::d_B),
    NumberField(IDC_M_SECOND, "   mn=", false, StoredValue::m_B),
};

// The row of Rp, "Rp: name   PKrp=   mrp=", and the line "Brl=".
inline constexpr std::array<CalculatorField, 4> RailRpRows = {
    NameField(IDC_RP_NAME, "Rp: ", StoredName::Rp),
    NumberField(IDC_PK_RP, "   PKrp=", false, StoredValue::Pk_rp),
    NumberField(IDC_M_RP, "   mrp=", false, StoredValue::m_rp),
    NumberField(IDC_B_RL, "Brl=", true, StoredValue::B_rl),
};

// The field table of a rail-level dialog in template order: the A and B rows, the
// calculator's own curve row (empty on the straight), the Rp row and B_rl.
template <std::size_t N>
constexpr auto RailLevelFields(const std::array<CalculatorField, N>& curveRow) {
    return JoinFieldRows(RailPointRows, curveRow, RailRpRows);
}

// The result of a rail-level calculation: y_rp in field 1165 and the one result
// piece CR LF "Yrp=" y_rp CR LF, both written with FormatFixed at LinearDecimals
// (a non-finite y_rp as "INF", "-INF" or "NAN").
CalculationOutput RailLevelOutput(double y_rp);
