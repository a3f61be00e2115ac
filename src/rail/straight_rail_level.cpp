// Rail level on a straight: d - m interpolated linearly by picket between A and
// B (extrapolated beyond them), plus m_rp, less B_rl.
#include <array>

#include "rail/rail_level_calculators.h"
#include "rail/rail_level_report.h"

namespace {

constexpr auto Fields = RailLevelFields(std::array<CalculatorField, 0>{});

CalculationOutput Compute(CalculationStore& store) {
    using enum StoredValue;
    double dm_A = store[d_A] - store[m_A];
    double dm_B = store[d_B] - store[m_B];
    // Signed picket differences, the product formed before the division.
    double dm_inc = ((dm_B - dm_A) * (store[Pk_rp] - store[PK_A])) / (store[PK_B] - store[PK_A]);
    double y_rp = ((dm_inc + dm_A) + store[m_rp]) - store[B_rl];
    return RailLevelOutput(y_rp);
}

} // namespace

const Calculator StraightRailLevelCalculator = {IDD_RAIL_STRAIGHT, "Calculation Rail size of Linear trace",
                                                Fields, Compute};
