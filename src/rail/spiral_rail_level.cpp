// Rail level on a transition spiral: d' - m interpolated by distance from A plus
// m_rp, plus the spiral's ordinate at Rp (measured from the spiral start NSK),
// enlarged by the spiral's versine term, less B_rl.
#include <array>

#include "numeric/arithmetic.h"
#include "numeric/clothoid.h"
#include "rail/rail_level_calculators.h"
#include "rail/rail_level_report.h"

namespace {

constexpr auto Fields = RailLevelFields(std::array<CalculatorField, 2>{
    NumberField(IDC_PKNSK, "PKnsk=", true, StoredValue::PKnsk),
    NumberField(IDC_C, "   C=", false, StoredValue::C),
});

CalculationOutput Compute(CalculationStore& store) {
    using enum StoredValue;
    double dm_A = store[d_A] - store[m_A];
    double dm_B = store[d_B] - store[m_B];
    double l_sp = AbsValue(store[Pk_rp] - store[PKnsk]);
    double y_sp = ClothoidY(l_sp, store[C]);
    double l_rp = AbsValue(store[Pk_rp] - store[PK_A]);
    double L_AB = AbsValue(store[PK_B] - store[PK_A]);
    double b_rp = (dm_A + store[m_rp]) + ((dm_B - dm_A) * l_rp) / L_AB;
    double v_sp = ClothoidVersine(l_sp, store[C]);
    // h * (1 + v_sp) written out as a product and a sum, in this order.
    double h = y_sp + b_rp;
    double y_rp = (h * v_sp + h) - store[B_rl];
    return RailLevelOutput(y_rp);
}

} // namespace

const Calculator SpiralRailLevelCalculator = {
    IDD_RAIL_SPIRAL, "Calculation Rail size of connecting crooked (Spiral) trace", Fields, Compute};
