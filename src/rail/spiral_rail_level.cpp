// PLACEHOLDER: being written; replaced by the real calculator.
#include "resource_ids.h"
#include "trace/calculator.h"

namespace {
CalculationOutput Compute(CalculationStore&) { return {}; }
} // namespace

const Calculator SpiralRailLevelCalculator = {IDD_RAIL_SPIRAL, "Calculation Rail size of connecting crooked (Spiral) trace", {}, Compute};
