// The three plan-geometry calculators through their real dialogs: the worked examples,
// the whole editor text compared after every CALC.
#include "driver/calculator_dialogs.h"
#include "driver/check.h"
#include "driver/editor_text.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "resource_ids.h"
#include "scenarios/shared_steps.h"

namespace {

std::vector<FieldEntry> StraightFields(const char* pkA, const char* pkB, const char* yPz) {
    return {{IDC_PK_FIRST, pkA}, {IDC_Y_FIRST, "0"}, {IDC_X_FIRST, "0"},  {IDC_PK_SECOND, pkB},
            {IDC_Y_SECOND, "0"}, {IDC_X_SECOND, "100"}, {IDC_PZ_NAME, "P1"}, {IDC_Y_PZ, yPz}, {IDC_X_PZ, "30"}};
}

std::vector<std::string> StraightReport(const std::string& pkA, const std::string& pkB, const std::string& yPz,
                                        const std::string& pkDpz1, const std::string& pkDpz2) {
    return {"", "Calculation on linear trace", "", "PK0=" + pkA + "   Y0=0   X0=0", "PKn=" + pkB + "   Yn=0   Xn=100",
            "PZ: P1   Ypz=" + yPz + "   Xpz=30", "", "Apk= 0' 0' 0'   Lpk=100.0000", "", "PKpz1=" + pkDpz1,
            "PKpz2=" + pkDpz2};
}

}  // namespace

CalculationCase StraightTraceWorkedExample() {
    return {"PZ right of the line", StraightFields("0", "100", "5"),
            StraightReport("0", "100", "5", "30.0000   Dpz1=5.0000", "30.0000   Dpz2=5.0000"),
            {{IDC_PK_PZ, "30.0000"}, {IDC_D_PZ, "5.0000"}}};
}

namespace {

// Y_pz holding no number stops CALC: nothing appended, nothing stored (the dialog
// reopens on the last CALC's values); " 12.5 " is the number 12.5.
void StraightTraceRefusals(const Program& program) {
    const std::string before = EditorText(program);
    HWND dialog = OpenFromMenu(program, CMD_TRACE_STRAIGHT, "Trace Linear");
    TypeFields(dialog, StraightFields("7", "100", "5"));
    TypeFields(dialog, {{IDC_PZ_NAME, "Q"}});
    CheckCalcRefuses(program, dialog, IDC_Y_PZ, NotANumberRefusals("Y_pz"), before);
    CloseCalculator(dialog);
    dialog = OpenFromMenu(program, CMD_TRACE_STRAIGHT, "Trace Linear");
    for (const FieldEntry& shown : std::vector<FieldEntry>{{IDC_PK_FIRST, "100.0000"}, {IDC_PZ_NAME, "P1"},
                                                           {IDC_Y_PZ, "5.0000"}})
        CheckText(FieldText(dialog, shown.id), shown.text, "nothing stored: field " + std::to_string(shown.id));
    CloseCalculator(dialog);
    CloseCalculator(RunCalculationCases(
        program, CMD_TRACE_STRAIGHT, "Trace Linear",
        {{"\" 12.5 \" in Y_pz", StraightFields("0", "100", " 12.5 "),
          StraightReport("0", "100", " 12.5 ", "30.0000   Dpz1=12.5000", "30.0000   Dpz2=12.5000"),
          {{IDC_PK_PZ, "30.0000"}, {IDC_D_PZ, "12.5000"}}}},
        before));
    dialog = OpenFromMenu(program, CMD_TRACE_STRAIGHT, "Trace Linear");
    CheckText(FieldText(dialog, IDC_Y_PZ), "12.5000", "Y_pz stored as 12.5");
    CloseCalculator(dialog);
}

void StraightTrace(ScenarioContext& context) {
    Program& program = context.Start();
    const std::vector<CalculationCase> cases = {
        StraightTraceWorkedExample(),
        {"PZ left of the line", StraightFields("0", "100", "-5"),
         StraightReport("0", "100", "-5", "30.0000   Dpz1=-5.0000", "30.0000   Dpz2=-5.0000"),
         {{IDC_PK_PZ, "30.0000"}, {IDC_D_PZ, "-5.0000"}}},
        {"misclosure shared", StraightFields("0", "100.2", "5"),
         StraightReport("0", "100.2", "5", "30.0000   Dpz1=5.0000", "30.2000   Dpz2=5.0000"),
         {{IDC_PK_PZ, "30.1000"}, {IDC_D_PZ, "5.0000"}}},
        {"pickets falling from A to B", StraightFields("100", "0", "5"),
         StraightReport("100", "0", "5", "70.0000   Dpz1=-5.0000", "70.0000   Dpz2=-5.0000"),
         {{IDC_PK_PZ, "70.0000"}, {IDC_D_PZ, "-5.0000"}}},
    };
    CloseCalculator(RunCalculationCases(program, CMD_TRACE_STRAIGHT, "Trace Linear", cases));
    StraightTraceRefusals(program);
}

std::vector<FieldEntry> CircularFields(const char* startY, const char* startX, const char* endY, const char* endX,
                                       const char* z, const char* q, const char* name, const char* yPz,
                                       const char* xPz) {
    return {{IDC_PK_FIRST, "1000"}, {IDC_Y_FIRST, startY}, {IDC_X_FIRST, startX}, {IDC_PK_SECOND, "1157.0796"},
            {IDC_Y_SECOND, endY},   {IDC_X_SECOND, endX},  {IDC_Y_CK, "0"},       {IDC_X_CK, "0"},
            {IDC_R_KK, "100"},      {IDC_Z, z},            {IDC_Q, q},            {IDC_PZ_NAME, name},
            {IDC_Y_PZ, yPz},        {IDC_X_PZ, xPz}};
}

void CircularTrace(ScenarioContext& context) {
    Program& program = context.Start();
    const std::vector<CalculationCase> cases = {
        {"worked example", CircularFields("0", "100", "100", "0", "0", "0", "P2", "72.124892", "72.124892"),
         {"", "Calculation on circular crooked trace", "", "PK0=1000   Y0=0   X0=100", "PKn=1157.0796   Yn=100   Xn=0",
          "CENTR: Yck=0   Xck=0", "R=100   z=0   q=0", "PZ: P2   Ypz=72.124892   Xpz=72.124892", "",
          "Ankk= 0' 0' 0'   Rnkk=100.0000", "Akkk= 90' 0' 0'   Rkkk=100.0000", "Beta= 90' 0' 0'   Lkk=157.0796", "",
          "Apz= 45' 0' 0'   Rpz=102.0000", "PKpz1=1078.5398   Dpz=2.0000", "PKpz2=1078.5398"},
         {{IDC_PK_PZ, "1078.5398"}, {IDC_D_PZ, "2.0000"}}},
        {"start and end swapped", CircularFields("100", "0", "0", "100", "0", "0", "P2", "72.124892", "72.124892"),
         {"", "Calculation on circular crooked trace", "", "PK0=1000   Y0=100   X0=0", "PKn=1157.0796   Yn=0   Xn=100",
          "CENTR: Yck=0   Xck=0", "R=100   z=0   q=0", "PZ: P2   Ypz=72.124892   Xpz=72.124892", "",
          "Ankk= 90' 0' 0'   Rnkk=100.0000", "Akkk= 0' 0' 0'   Rkkk=100.0000", "Beta=-90' 0' 0'   Lkk=157.0796", "",
          "Apz= 45' 0' 0'   Rpz=102.0000", "PKpz1=1078.5398   Dpz=2.0000", "PKpz2=1078.5398"},
         {{IDC_PK_PZ, "1078.5398"}, {IDC_D_PZ, "2.0000"}}},
        {"z and q added", CircularFields("0", "100", "100", "0", "0.1", "0.05", "P2", "72.124892", "72.124892"),
         {"", "Calculation on circular crooked trace", "", "PK0=1000   Y0=0   X0=100", "PKn=1157.0796   Yn=100   Xn=0",
          "CENTR: Yck=0   Xck=0", "R=100   z=0.1   q=0.05", "PZ: P2   Ypz=72.124892   Xpz=72.124892", "",
          "Ankk= 0' 0' 0'   Rnkk=100.0000", "Akkk= 90' 0' 0'   Rkkk=100.0000", "Beta= 90' 0' 0'   Lkk=157.0796", "",
          "Apz= 45' 0' 0'   Rpz=102.0000", "PKpz1=1078.5398   Dpz=2.1500", "PKpz2=1078.5398"},
         {{IDC_PK_PZ, "1078.5398"}, {IDC_D_PZ, "2.1500"}}},
        {"point 10 degrees behind the start", CircularFields("0", "100", "100", "0", "0", "0", "P3", "-17.364818",
                                                             "98.480775"),
         {"", "Calculation on circular crooked trace", "", "PK0=1000   Y0=0   X0=100", "PKn=1157.0796   Yn=100   Xn=0",
          "CENTR: Yck=0   Xck=0", "R=100   z=0   q=0", "PZ: P3   Ypz=-17.364818   Xpz=98.480775", "",
          "Ankk= 0' 0' 0'   Rnkk=100.0000", "Akkk= 90' 0' 0'   Rkkk=100.0000", "Beta= 90' 0' 0'   Lkk=157.0796", "",
          "Apz= 350' 0' 0'   Rpz=100.0000", "!Point outside of circular crooked!"},
         {{IDC_PK_PZ, "0.0000"}, {IDC_D_PZ, "0.0000"}}},
    };
    CloseCalculator(RunCalculationCases(program, CMD_TRACE_CIRCULAR, "Trace Circular Crooked", cases));
}

std::vector<FieldEntry> SpiralFields(const char* pkLine, const char* yCentre, const char* name, const char* yPz,
                                     const char* xPz) {
    return {{IDC_PK_FIRST, pkLine}, {IDC_Y_FIRST, "0"},  {IDC_X_FIRST, "0"},  {IDC_PK_SECOND, "100"},
            {IDC_Y_SECOND, "0"},    {IDC_X_SECOND, "100"}, {IDC_Y_CK, yCentre}, {IDC_X_CK, "100"},
            {IDC_R_KK, "100"},      {IDC_L_SK, "40"},      {IDC_Q, "0.1"},      {IDC_PZ_NAME, name},
            {IDC_Y_PZ, yPz},        {IDC_X_PZ, xPz}};
}

// The lines every report of these spiral cases shares: inputs and spiral elements.
std::vector<std::string> SpiralHead(const std::string& pkLine, const std::string& yCentre, const std::string& name,
                                    const std::string& yPz, const std::string& xPz, const std::string& side,
                                    const std::string& picketsLine) {
    return {"",
            "Calculation on connecting crooked (spiral) trace",
            "",
            "PK_l=" + pkLine + "   Y_l=0   X_l=0",
            "PK_nkk=100   Y_nkk=0   X_nkk=100",
            "CENTR: Yck=" + yCentre + "   Xck=100",
            "R_kk=100   L_sk=40   q=0.1",
            "PZ: " + name + "   Ypz=" + yPz + "   Xpz=" + xPz,
            "",
            "Apk= 0' 0' 0'   Lpk=100.0000",
            "Rk=100.0000   " + side,
            "C=4000.0000",
            "a=20.1083   a1=19.7320",
            "(X)=39.8403   (Y)=2.6591",
            "(Z)=0.6793   (FI)= 11' 27' 32.96'",
            picketsLine,
            ""};
}

std::vector<std::string> Joined(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

void SpiralTrace(ScenarioContext& context) {
    Program& program = context.Start();
    const std::vector<std::string> footPoint = {"(x)pz=20.1083   (y)pz=2.0000", "(x0)pz=20.1928   (y0)pz=0.3433",
                                                "Lpz=20.1981   (Lpk)pz=20.2016   qpz=0.0505", ""};
    const std::string rising = "PKnsk=79.8917   PKksk=119.8917";
    const std::vector<CalculationCase> cases = {
        {"worked example", SpiralFields("0", "100", "S1", "2", "100"),
         Joined(Joined(SpiralHead("0", "100", "S1", "2", "100", "!Right!", rising), footPoint),
                {"PKpz=100.0933   Dpz=1.6084"}),
         {{IDC_PK_PZ, "100.0933"}, {IDC_D_PZ, "1.6084"}}},
        {"mirrored", SpiralFields("0", "-100", "S1", "-2", "100"),
         Joined(Joined(SpiralHead("0", "-100", "S1", "-2", "100", "!Left!", rising), footPoint),
                {"PKpz=100.0933   Dpz=-1.6084"}),
         {{IDC_PK_PZ, "100.0933"}, {IDC_D_PZ, "-1.6084"}}},
        {"pickets falling toward NKK", SpiralFields("200", "100", "S1", "2", "100"),
         Joined(Joined(SpiralHead("200", "100", "S1", "2", "100", "!Right!", "PKnsk=120.1083   PKksk=80.1083"),
                       footPoint),
                {"PKpz=99.9067   Dpz=-1.6084"}),
         {{IDC_PK_PZ, "99.9067"}, {IDC_D_PZ, "-1.6084"}}},
        {"outside before NSK", SpiralFields("0", "100", "S2", "2", "70"),
         Joined(SpiralHead("0", "100", "S2", "2", "70", "!Right!", rising),
                {"(x)pz=-9.8917   (y)pz=2.0000", "!Point outside of connecting crooked!", "(x0)pz = NSK-9.8917"}),
         {{IDC_PK_PZ, "0.0000"}, {IDC_D_PZ, "0.0000"}}},
        {"outside beyond KSK", SpiralFields("0", "100", "S3", "2", "150"),
         Joined(SpiralHead("0", "100", "S3", "2", "150", "!Right!", rising),
                {"(x)pz=70.1083   (y)pz=2.0000", "!Point outside of connecting crooked!", "(x0)pz = KSK+30.1344"}),
         {{IDC_PK_PZ, "0.0000"}, {IDC_D_PZ, "0.0000"}}},
        // 300 off the spiral on the outer side: the foot-point passes never settle.
        {"foot point not found", SpiralFields("0", "100", "S7", "-300", "96"),
         Joined(SpiralHead("0", "100", "S7", "-300", "96", "!Right!", rising),
                {"(x)pz=16.1083   (y)pz=-300.0000", "!Point not resolved on connecting crooked!"}),
         {{IDC_PK_PZ, "0.0000"}, {IDC_D_PZ, "0.0000"}}},
    };
    CloseCalculator(RunCalculationCases(program, CMD_TRACE_SPIRAL, "Trace Connecting Crooked (Spiral)", cases));
}

}  // namespace

std::vector<Scenario> TraceScenarios() {
    return {
        {"trace: straight line, worked examples through the real dialog; a field holding \"2,5\", \"abc\" or "
         "nothing refused by name, nothing appended or stored; \" 12.5 \" read as 12.5",
         StraightTrace},
        {"trace: circular curve, worked examples through the real dialog", CircularTrace},
        {"trace: transition spiral, worked examples through the real dialog", SpiralTrace},
    };
}
