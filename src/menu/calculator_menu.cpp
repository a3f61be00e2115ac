#include "menu/calculator_menu.h"

#include "menu/route_set_out_calculator.h"
#include "rail/rail_level_calculators.h"
#include "resource_ids.h"
#include "set_out/set_out_calculators.h"
#include "trace/trace_calculators.h"

namespace {
constexpr CalculatorCommand Commands[] = {
    {CMD_TRACE_STRAIGHT, &StraightTraceCalculator},    {CMD_TRACE_CIRCULAR, &CircularTraceCalculator},
    {CMD_TRACE_SPIRAL, &SpiralTraceCalculator},        {CMD_RAIL_STRAIGHT, &StraightRailLevelCalculator},
    {CMD_RAIL_CIRCULAR, &CircularRailLevelCalculator}, {CMD_RAIL_SPIRAL, &SpiralRailLevelCalculator},
    {CMD_SET_OUT_STRAIGHT, &StraightSetOutCalculator}, {CMD_SET_OUT_CIRCULAR, &CircularSetOutCalculator},
    {CMD_SET_OUT_SPIRAL, &SpiralSetOutCalculator},     {CMD_LINE_SET_OUT, &RouteSetOutCalculator},
};
} // namespace

std::span<const CalculatorCommand> CalculatorCommands() {
    return Commands;
}

const Calculator* CalculatorForCommand(int command) {
    for (const CalculatorCommand& c : Commands)
        if (c.command == command) return c.calculator;
    return nullptr;
}

const Calculator* CalculatorForTemplate(int templateId) {
    for (const CalculatorCommand& c : Commands)
        if (c.calculator->templateId == templateId) return c.calculator;
    return nullptr;
}
