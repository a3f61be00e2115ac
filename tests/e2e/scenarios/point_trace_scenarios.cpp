// Quarel > Trace selected points through the real menu: an instrument export pasted
// into the field book, the lines of each element's points selected and traced, the
// tables compared whole; the stored values untouched; no selection, a notice.
#include "driver/calculator_dialogs.h"
#include "driver/check.h"
#include "driver/editor_text.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "resource_ids.h"

namespace {

// An export as pasted: tab, comma and semicolon lines, a heading, a decimal comma,
// a blank line. Lines 1-4 lie about the straight, 5-7 the curve, 8-10 the spiral.
const char* const Export = "Job TRK-12, check survey\r\n"
                           "P1\t5\t30\t101.35\tRAIL\r\n"
                           "P2\t-5\t30\t101.31\tRAIL\r\n"
                           "100.2 40\r\n"
                           "P3,72.124892,72.124892,101.2\r\n"
                           "P4,-17.364818,98.480775,101.2\r\n"
                           "1017 72,124892 72,124892\r\n"
                           "S1;2;100;101.40\r\n"
                           "\r\n"
                           "S2;2;70;101.40\r\n";

// The element is stored by a CALC in its trace's dialog, which is then closed.
void StoreElement(const Program& program, int commandId, const std::string& caption,
                  const std::vector<FieldEntry>& fields) {
    HWND dialog = OpenFromMenu(program, commandId, caption);
    TypeFields(dialog, fields);
    PressCalc(dialog);
    CloseCalculator(dialog);
}

int Offset(const std::string& text, const std::string& part) {
    const size_t at = text.find(part);
    Check(at != std::string::npos, "the export holds \"" + part + "\"");
    return static_cast<int>(at);
}

void PastedExport(ScenarioContext& context) {
    Program& program = context.Start();
    PasteIntoEditor(program, Export);
    const std::string text = Export;

    StoreElement(program, CMD_TRACE_STRAIGHT, "Trace Linear",
                 {{IDC_PK_FIRST, "0"},
                  {IDC_Y_FIRST, "0"},
                  {IDC_X_FIRST, "0"},
                  {IDC_PK_SECOND, "100"},
                  {IDC_Y_SECOND, "0"},
                  {IDC_X_SECOND, "100"},
                  {IDC_PZ_NAME, "A1"},
                  {IDC_Y_PZ, "1"},
                  {IDC_X_PZ, "1"}});
    // From inside the heading to inside the fourth line.
    RunOnSelection(
        program, CMD_TRACE_POINTS_STRAIGHT, 5, Offset(text, "100.2 40") + 3,
        {"", "Trace of points on linear trace", "", "PK0=0   Y0=0   X0=0", "PKn=100   Yn=0   Xn=100", "",
         "Apk= 0' 0' 0'   Lpk=100.0000", "", "! Line 1 skipped, \"TRK-12,\" is not a number: Job TRK-12, check survey",
         "P1   Ypz=5   Xpz=30   PKpz=30.0000   Dpz=5.0000",
         "P2   Ypz=-5   Xpz=30   PKpz=30.0000   Dpz=-5.0000",
         "L4   Ypz=100.2   Xpz=40   PKpz=40.0000   Dpz=100.2000", "Points: 3 traced, 0 outside, 1 skipped"},
        "linear");

    StoreElement(program, CMD_TRACE_CIRCULAR, "Trace Circular Crooked",
                 {{IDC_PK_FIRST, "1000"},
                  {IDC_Y_FIRST, "0"},
                  {IDC_X_FIRST, "100"},
                  {IDC_PK_SECOND, "1157.0796"},
                  {IDC_Y_SECOND, "100"},
                  {IDC_X_SECOND, "0"},
                  {IDC_Y_CK, "0"},
                  {IDC_X_CK, "0"},
                  {IDC_R_KK, "100"},
                  {IDC_Z, "0"},
                  {IDC_Q, "0"}});
    // The three lines whole, with the line break of the last.
    RunOnSelection(program, CMD_TRACE_POINTS_CIRCULAR, Offset(text, "P3,"), Offset(text, "S1;"),
                   {"", "Trace of points on circular crooked trace", "", "PK0=1000   Y0=0   X0=100",
                    "PKn=1157.0796   Yn=100   Xn=0", "CENTR: Yck=0   Xck=0", "R=100   z=0   q=0", "",
                    "Ankk= 0' 0' 0'   Rnkk=100.0000", "Akkk= 90' 0' 0'   Rkkk=100.0000",
                    "Beta= 90' 0' 0'   Lkk=157.0796", "",
                    "P3   Ypz=72.124892   Xpz=72.124892   PKpz=1078.5398   Dpz=2.0000",
                    "P4   Ypz=-17.364818   Xpz=98.480775   !Point outside of circular crooked!",
                    "! Line 7 skipped, \"72,124892\" is not a number (write a decimal point): 1017 72,124892 "
                    "72,124892",
                    "Points: 1 traced, 1 outside, 1 skipped"},
                   "circular");

    const std::vector<FieldEntry> spiral = {
        {IDC_PK_FIRST, "0"}, {IDC_Y_FIRST, "0"},    {IDC_X_FIRST, "0"}, {IDC_PK_SECOND, "100"},
        {IDC_Y_SECOND, "0"}, {IDC_X_SECOND, "100"}, {IDC_Y_CK, "100"},  {IDC_X_CK, "100"},
        {IDC_R_KK, "100"},   {IDC_L_SK, "40"},      {IDC_Q, "0.1"},     {IDC_PZ_NAME, "S0"},
        {IDC_Y_PZ, "2.5"},   {IDC_X_PZ, "101"}};
    StoreElement(program, CMD_TRACE_SPIRAL, "Trace Connecting Crooked (Spiral)", spiral);
    RunOnSelection(program, CMD_TRACE_POINTS_SPIRAL, Offset(text, "S1;") + 1, static_cast<int>(text.size()),
                   {"", "Trace of points on connecting crooked (spiral) trace", "", "PK_l=0   Y_l=0   X_l=0",
                    "PK_nkk=100   Y_nkk=0   X_nkk=100", "CENTR: Yck=100   Xck=100",
                    "R_kk=100   L_sk=40   q=0.1", "", "Apk= 0' 0' 0'   Lpk=100.0000", "Rk=100.0000   !Right!",
                    "C=4000.0000", "a=20.1083   a1=19.7320", "(X)=39.8403   (Y)=2.6591",
                    "(Z)=0.6793   (FI)= 11' 27' 32.96'", "PKnsk=79.8917   PKksk=119.8917", "",
                    "S1   Ypz=2   Xpz=100   PKpz=100.0933   Dpz=1.6084",
                    "S2   Ypz=2   Xpz=70   !Point outside of connecting crooked!",
                    "Points: 1 traced, 1 outside, 0 skipped"},
                   "spiral");

    // The spiral's dialog opens on what it stored, not on the last point traced.
    HWND dialog = OpenFromMenu(program, CMD_TRACE_SPIRAL, "Trace Connecting Crooked (Spiral)");
    for (const FieldEntry& shown : std::vector<FieldEntry>{
             {IDC_PZ_NAME, "S0"}, {IDC_Y_PZ, "2.5000"}, {IDC_X_PZ, "101.0000"}, {IDC_PK_SECOND, "100.0000"}})
        CheckText(FieldText(dialog, shown.id), shown.text,
                  "the spiral dialog's field " + std::to_string(shown.id));
    CloseCalculator(dialog);
}

void NoSelection(ScenarioContext& context) {
    Program& program = context.Start();
    TypeIntoEditor(program, "P1 5 30");
    for (int command : {CMD_TRACE_POINTS_STRAIGHT, CMD_TRACE_POINTS_CIRCULAR, CMD_TRACE_POINTS_SPIRAL}) {
        program.Command(command);
        AnswerMessageBox(program, "Notice", "Select the lines of the points to trace.", IDOK);
        CheckText(EditorText(program), "P1 5 30", "the text after the notice");
    }
}

} // namespace

std::vector<Scenario> PointTraceScenarios() {
    return {
        {"trace of points: a pasted export, each element's lines traced through the menu, each line skipped "
         "noted with why, stores untouched",
         PastedExport},
        {"trace of points: no selection gives the notice and nothing else", NoSelection},
    };
}
