// The smoke set the release program (i686) runs under emulation, where each start of
// the program takes a minute or more: one start makes a trace and a rail-level report
// (the editor text compared whole), saves the field book and opens it again byte for
// byte, and sees a second start end at once; the runner then ends it by File > Exit.
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
    SaveAndOpenAgain(context, program, EditorText(program));
    CheckSecondStartEndsAtOnce(context, program);
}

}  // namespace

std::vector<Scenario> ReleaseSmokeScenarios() {
    return {
        {"release smoke: a trace and a rail report, Save and Open byte for byte, a second start, File > Exit",
         ReleaseSmoke},
    };
}
