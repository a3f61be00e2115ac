// PLACEHOLDER: being written; replaced by the real calculator.
#include "resource_ids.h"
#include "trace/calculator.h"

namespace {
CalculationOutput Compute(CalculationStore&) { return {}; }
} // namespace

const Calculator StraightRailLevelCalculator = {IDD_RAIL_STRAIGHT, "Calculation Rail size of Linear trace", {}, Compute};
