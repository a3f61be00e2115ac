// PLACEHOLDER: being written; replaced by the real calculator.
#include "resource_ids.h"
#include "trace/calculator.h"

namespace {
CalculationOutput Compute(CalculationStore&) { return {}; }
} // namespace

const Calculator StraightTraceCalculator = {IDD_TRACE_STRAIGHT, "Calculation on linear trace", {}, Compute};
