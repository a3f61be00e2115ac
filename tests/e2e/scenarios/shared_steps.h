// Steps of the subject scenarios that the release smoke scenario also runs, all in
// one start of the program.
#pragma once

#include <string>

#include "driver/calculator_dialogs.h"

class Program;
class ScenarioContext;

// The first worked example of the straight-line trace and of the straight rail level.
CalculationCase StraightTraceWorkedExample();
CalculationCase StraightRailWorkedExample();
// Starts the program once more beside `first`: the new start must end at once with
// exit code 0 and leave `first` running as the only main window.
void CheckSecondStartEndsAtOnce(ScenarioContext& context, const Program& first);
