// The calculators by dialog template.
#include "trace/calculator.h"

const Calculator* CalculatorForTemplate(int templateId) {
    static const Calculator* const all[] = {&StraightTraceCalculator,     &CircularTraceCalculator,
                                            &SpiralTraceCalculator,       &StraightRailLevelCalculator,
                                            &CircularRailLevelCalculator, &SpiralRailLevelCalculator,
                                            &StraightSetOutCalculator,    &CircularSetOutCalculator,
                                            &SpiralSetOutCalculator};
    for (const Calculator* c : all)
        if (c->templateId == templateId) return c;
    return nullptr;
}
