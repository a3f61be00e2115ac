// Quarel > Line through the real menu: a route's IP table pasted into the field
// book under a heading, selected and read; the report of its elements compared
// whole; no selection, a notice.
#include "driver/calculator_dialogs.h"
#include "driver/check.h"
#include "driver/editor_text.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "resource_ids.h"

namespace {

const char* const IpTable = "Route 12: design of the IP table\r\n"
                            "START 100.000 5000.000 2000.000\r\n"
                            "IP VU1 5600.000 2800.000 800 100\r\n"
                            "IP\tVU2\t5650.000\t3900.000\t600\t0\r\n"
                            "END 6250.000 4800.000";

void ElementsOfPastedTable(ScenarioContext& context) {
    Program& program = context.Start();
    PasteIntoEditor(program, IpTable);
    const std::string before = EditorText(program);
    SelectInEditor(program, 3, static_cast<int>(before.size()));
    program.Command(CMD_LINE_ELEMENTS);
    WaitForEditorText(
        program,
        before + ReportLines(
                     {"",
                      "Elements of the line",
                      "! Line 1 skipped: Route 12: design of the IP table",
                      "START   PK=100.0000   Y=5000.0000   X=2000.0000",
                      "VU1   PK=1100.0000   Y=5600.0000   X=2800.0000   !Left!   Theta= 34' 16' 2.41'",
                      "   R=800.0000   L=100.0000   C=80000.0000   (Z)=0.5218   a=50.0261   R-(Z)=799.4782",
                      "   T=296.6529   K=578.5144   D=14.7914   B=37.6746",
                      "   NSK1   PK=803.3471   Y=5422.0083   X=2562.6777",
                      "   KSK1   PK=903.3732   Y=5480.3186   X=2643.8961",
                      "   SK   PK=1092.6043   Y=5564.5385   X=2812.7223",
                      "   KSK2   PK=1281.8355   Y=5606.8507   X=2996.5836",
                      "   NSK2   PK=1381.8615   Y=5613.4703   X=3096.3469",
                      "VU2   PK=2186.3444   Y=5650.0000   X=3900.0000   !Right!   Theta= 31' 5' 15.02'",
                      "   R=600.0000   L=0.0000   C=0.0000   (Z)=0.0000   a=0.0000   R-(Z)=600.0000",
                      "   T=166.8882   K=325.5476   D=8.2289   B=22.7774",
                      "   NSK1   PK=2019.4562   Y=5642.4220   X=3733.2839",
                      "   KSK1   PK=2019.4562   Y=5642.4220   X=3733.2839",
                      "   SK   PK=2182.2300   Y=5671.6445   X=3892.9061",
                      "   KSK2   PK=2345.0038   Y=5742.5729   X=4038.8594",
                      "   NSK2   PK=2345.0038   Y=5742.5729   X=4038.8594",
                      "END   PK=3259.7809   Y=6250.0000   X=4800.0000",
                      "Length=3159.7809"}),
        "the elements of the line");
    Check(NoDialogOpen(program), "no dialog or message box after the report");
}

void NoSelection(ScenarioContext& context) {
    Program& program = context.Start();
    TypeIntoEditor(program, "START 0 0 0");
    program.Command(CMD_LINE_ELEMENTS);
    AnswerMessageBox(program, "Notice", "Select the lines of the line to read.", IDOK);
    CheckText(EditorText(program), "START 0 0 0", "the text after the notice");
}

} // namespace

std::vector<Scenario> LineScenarios() {
    return {
        {"line: a pasted IP table under a heading, read through the menu, its elements reported",
         ElementsOfPastedTable},
        {"line: no selection gives the notice and nothing else", NoSelection},
    };
}
