// The smoke set the release program (i686) runs under emulation, where each start of
// the program takes a minute or more: one start makes a trace and a rail-level report
// (the editor text compared whole) and sees a second start end at once; the runner then
// ends it by File > Exit. The common file dialogs are left to the x86_64 run: under
// emulation, the worker thread Wine's file dialog starts can lose its wake-ups and hang
// the program (4 of 6 runs). The i686 unit tests load and save through the program's
// own file code on a real text field instead.
#include "driver/calculator_dialogs.h"
#include "driver/editor_text.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "resource_ids.h"
#include "scenarios/shared_steps.h"

namespace {

void ReleaseSmoke(ScenarioContext& context) {
    Program& program = context.Start();
    const CalculationCase trace = StraightTraceWorkedExample();
    CloseCalculator(RunCalculationCases(program, CMD_TRACE_STRAIGHT, "Trace Linear", {trace}));
    CloseCalculator(RunCalculationCases(program, CMD_RAIL_STRAIGHT, "Rail size of Linear trace",
                                        {StraightRailWorkedExample()}, ReportLines(trace.report)));
    CheckSecondStartEndsAtOnce(context, program);
}

}  // namespace

std::vector<Scenario> ReleaseSmokeScenarios() {
    return {
        {"release smoke: a trace and a rail report compared whole, a second start, File > Exit",
         ReleaseSmoke},
    };
}
