// PLACEHOLDER: being written; replaced by the real calculator.
#include "resource_ids.h"
#include "trace/calculator.h"

namespace {
CalculationOutput Compute(CalculationStore&) { return {}; }
} // namespace

const Calculator CircularTraceCalculator = {IDD_TRACE_CIRCULAR, "Calculation on circular crooked trace", {}, Compute};
