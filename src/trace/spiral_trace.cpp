// PLACEHOLDER: being written; replaced by the real calculator.
#include "resource_ids.h"
#include "trace/calculator.h"

namespace {
CalculationOutput Compute(CalculationStore&) { return {}; }
} // namespace

const Calculator SpiralTraceCalculator = {IDD_TRACE_SPIRAL, "Calculation on connecting crooked (spiral) trace", {}, Compute};
