// The calculators of the menus, each with the command that opens its dialog: the
// one list of them.
#pragma once

#include <span>

#include "calculator/calculator.h"

struct CalculatorCommand {
    int command; // menu command id, as in resource_ids.h
    const Calculator* calculator;
};

// Every calculator, in menu order.
std::span<const CalculatorCommand> CalculatorCommands();

// The calculator a menu command opens, or null.
const Calculator* CalculatorForCommand(int command);
// The calculator of a dialog template id, or null.
const Calculator* CalculatorForTemplate(int templateId);
