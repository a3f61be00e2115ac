// PLACEHOLDER: being written; replaced by the real calculator.
#include "resource_ids.h"
#include "trace/calculator.h"

namespace {
CalculationOutput Compute(CalculationStore&) { return {}; }
} // namespace

const Calculator CircularRailLevelCalculator = {IDD_RAIL_CIRCULAR, "Calculation Rail size of Circular crooked trace", {}, Compute};
