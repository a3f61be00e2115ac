// Quarel > Line on a line given as an element table through the real menu: the
// worked example's table pasted under a heading, its elements and equation
// reported; a survey traced on it with its cant; a run of stations set out across
// the end of the stations behind its equation; its plan and the chart of offsets
// opened.
#include <string>
#include <utility>
#include <vector>

#include "driver/calculator_dialogs.h"
#include "driver/check.h"
#include "driver/editor_text.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
#include "driver/window_search.h"
#include "resource_ids.h"

namespace {

const char* const ElementTable =
    "Design of the example line: select the table and run Elements of the selected line\r\n"
    "ELEMENTS Example line\r\n"
    "STRAIGHT   12000.000000   7412503.125000   5581240.000000   57.2500000000   180.000000\r\n"
    "SPIRAL   12180.000000   7412654.512022   5581337.375405   57.2500000000   110.000000   0.000000   -850.000000\r\n"
    "ARC   12290.000000   7412745.704482   5581398.852496   53.5426260315   240.000000   -850.000000\r\n"
    "SPIRAL   12530.000000   7412916.181313   5581566.649976   37.3649941690   70.000000   -850.000000   -1400.000000\r\n"
    "ARC   12600.000000   7412956.638583   5581623.758769   33.5733617012   160.000000   -1400.000000\r\n"
    "SPIRAL   12760.000000   7413037.317433   5581761.827851   27.0252726140   90.000000   -1400.000000   0.000000\r\n"
    "STRAIGHT   13000.000000   7413076.482899   5581842.854529   25.1836225582   220.000000\r\n"
    "SPIRAL   13220.000000   7413170.097439   5582041.943247   25.1836225582   60.000000   0.000000   600.000000\r\n"
    "ARC   13280.000000   7413196.527082   5582095.801153   28.0484115339   130.000000   600.000000\r\n"
    "SPIRAL   13410.000000   7413269.558905   5582203.040805   40.4624970950   60.000000   600.000000   0.000000\r\n"
    "STRAIGHT   13470.000000   7413309.991189   5582247.362700   43.3272860707   150.000000\r\n"
    "CANT   12180.000000   0.0000\r\n"
    "CANT   12290.000000   70.0000\r\n"
    "CANT   12530.000000   70.0000\r\n"
    "CANT   12600.000000   45.0000\r\n"
    "CANT   12760.000000   45.0000\r\n"
    "CANT   12850.000000   0.0000\r\n"
    "CANT   13220.000000   0.0000\r\n"
    "CANT   13280.000000   110.0000\r\n"
    "CANT   13410.000000   110.0000\r\n"
    "CANT   13470.000000   0.0000\r\n"
    "END   13620.000000   7413412.915919   5582356.479610";

const char* const Survey = "\r\n"
    "Survey of 9 December\r\n"
    "P2 7412700.1916 5581368.0018\r\n"
    "P7 7413078.7020 5581852.8614\r\n"
    "P10 7413309.8870 5582246.0863\r\n"
    "FAR 7412000 5581000";

void ElementTableThroughTheLineMenu(ScenarioContext& context) {
    Program& program = context.Start();
    const std::string table = ElementTable, text = table + Survey;
    PasteIntoEditor(program, text);
    RunOnSelection(
        program, CMD_LINE_ELEMENTS, 0, static_cast<int>(table.size()),
        {"", "Elements of the line",
         "! Line 1 skipped: Design of the example line: select the table and run Elements of the selected line",
         "STRAIGHT 1   PK=12000.0000   Y=7412503.1250   X=5581240.0000   AZ=57.2500000000   L=180.0000",
         "SPIRAL 2   PK=12180.0000   Y=7412654.5120   X=5581337.3754   AZ=57.2500000000   L=110.0000   R1=0.0000   "
         "R2=-850.0000",
         "ARC 3   PK=12290.0000   Y=7412745.7045   X=5581398.8525   AZ=53.5426260315   L=240.0000   R=-850.0000",
         "SPIRAL 4   PK=12530.0000   Y=7412916.1813   X=5581566.6500   AZ=37.3649941690   L=70.0000   "
         "R1=-850.0000   R2=-1400.0000",
         "ARC 5   PK=12600.0000   Y=7412956.6386   X=5581623.7588   AZ=33.5733617012   L=160.0000   R=-1400.0000",
         "SPIRAL 6   PK=12760.0000   Y=7413037.3174   X=5581761.8279   AZ=27.0252726140   L=90.0000   "
         "R1=-1400.0000   R2=0.0000",
         "   equation   back=12850.0000   ahead=13000.0000",
         "STRAIGHT 7   PK=13000.0000   Y=7413076.4829   X=5581842.8545   AZ=25.1836225582   L=220.0000",
         "SPIRAL 8   PK=13220.0000   Y=7413170.0974   X=5582041.9432   AZ=25.1836225582   L=60.0000   R1=0.0000   "
         "R2=600.0000",
         "ARC 9   PK=13280.0000   Y=7413196.5271   X=5582095.8012   AZ=28.0484115339   L=130.0000   R=600.0000",
         "SPIRAL 10   PK=13410.0000   Y=7413269.5589   X=5582203.0408   AZ=40.4624970950   L=60.0000   "
         "R1=600.0000   R2=0.0000",
         "STRAIGHT 11   PK=13470.0000   Y=7413309.9912   X=5582247.3627   AZ=43.3272860707   L=150.0000",
         "END   PK=13620.0000   Y=7413412.9159   X=5582356.4796", "Length=1470.0000"},
        "the element table read");
    RunOnSelection(program, CMD_LINE_TRACE_POINTS, static_cast<int>(table.size() + 2),
                   static_cast<int>(text.size()),
                   {"", "Trace of points on the line",
                    "! Line 25 skipped, \"of\" is not a number: Survey of 9 December",
                    "P2   PK=12235.0000   d=-0.7500   h=35.0000   SPIRAL 2",
                    "P7   PK=13010.0000   d=-2.2500   h=0.0000   STRAIGHT 7",
                    "P10   PK=13469.0000   d=0.8000   h=1.8334   SPIRAL 10", "FAR   !Point outside of the line!",
                    "Points: 3 traced, 1 outside, 1 skipped"},
                   "the survey traced on the element table");
    HWND dialog = RunCalculationCases(
        program, CMD_LINE_SET_OUT, "Set out on the Line",
        {{"a run across the end of the stations behind the equation",
          {{IDC_PZ_NAME, "R"}, {IDC_PK_SO, "12840"}, {IDC_D_SO, "0"}, {IDC_PK_TO, "12860"}, {IDC_STEP, "10"}},
          {"", "Set out on the line", "", "SO: R   PK=12840   d=0   PK_to=12860   step=10", "",
           "Line Example line, PK 12000.0000 to 13620.0000", "",
           "R-1   PK=12840.0000   d=0.0000   Y=7413072.2265   X=5581833.8056   h=5.0000   SPIRAL 6",
           "R-2   PK=12850.0000   d=0.0000   Y=7413076.4829   X=5581842.8545   h=0.0000   SPIRAL 6",
           "R-3   PK=12860.0000   !Picket outside of the line!"},
          {{IDC_Y_SO, "7413072.2265"}, {IDC_X_SO, "5581833.8056"}}}},
        EditorText(program));
    CloseCalculator(dialog);
    for (const auto& [command, caption] :
         {std::pair{CMD_LINE_PLAN, "Plan of the line"}, std::pair{CMD_LINE_OFFSETS, "Offsets along the line"}}) {
        program.Command(command);
        HWND window = nullptr;
        WaitFor([&] { return (window = FindTopWindow(program.ProcessId(), caption, "Quarel_Picture")) != nullptr; },
                std::string("the window \"") + caption + "\"");
        PostMessageA(window, WM_CLOSE, 0, 0);
        WaitFor([&] { return !IsWindow(window); }, std::string("the window \"") + caption + "\" closed");
    }
}

} // namespace

std::vector<Scenario> ElementTableScenarios() {
    return {{"element table: the worked example read through the Line menu with its equation, a survey traced "
             "with its cant, a run set out across the equation, its plan and offsets opened",
             ElementTableThroughTheLineMenu}};
}
