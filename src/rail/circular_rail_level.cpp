// Rail level on a circular curve: d - m interpolated by distance from A, plus
// m_rp and z, less B_rl and less the ordinate s_rp at Rp of the arc of radius R
// over the chord AB.
#include <array>

#include "numeric/arithmetic.h"
#include "rail/rail_level_calculators.h"
#include "rail/rail_level_report.h"

namespace {

constexpr auto Fields = RailLevelFields(std::array<CalculatorField, 2>{
    NumberField(IDC_R_KK, "R=", true, StoredValue::R_kk),
    NumberField(IDC_Z, "   z=", false, StoredValue::z_rail),
});

CalculationOutput Compute(CalculationStore& store) {
    using enum StoredValue;
    double R = store[R_kk];
    double dm_A = store[d_A] - store[m_A];
    double dm_B = store[d_B] - store[m_B];
    double L_AB = AbsValue(store[PK_B] - store[PK_A]);
    double i_AB = (dm_B - dm_A) / L_AB;
    // The arc's ordinate at the middle of the chord, less the drop at Rp's
    // distance u_rp from the middle.
    double f_AB = (IntPower(L_AB, 2) / 8.0) / R;
    double l_rp = AbsValue(store[Pk_rp] - store[PK_A]);
    double u_rp = L_AB / 2.0 - l_rp;
    double f_u = (IntPower(AbsValue(u_rp), 2) / 2.0) / R;
    double s_rp = f_AB - f_u;
    double y_rp = ((((i_AB * l_rp + store[m_rp]) + dm_A) + store[z_rail]) - store[B_rl]) - s_rp;
    return RailLevelOutput(y_rp);
}

} // namespace

const Calculator CircularRailLevelCalculator = {
    IDD_RAIL_CIRCULAR, "Calculation Rail size of Circular crooked trace", Fields, Compute};
