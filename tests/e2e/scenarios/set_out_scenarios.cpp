// The three set-out calculators through their real dialogs: opened from the menu,
// a point set out and checked by the trace of the same geometry, a run of pickets
// compared as whole editor text, and the set-out values shared by the three.
#include <cstdio>
#include <string>
#include <vector>

#include "driver/calculator_dialogs.h"
#include "driver/check.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "resource_ids.h"

namespace {

struct SetOutDialog {
    int command;
    const char* caption;
    int traceCommand;
    const char* traceCaption;
    std::vector<FieldEntry> geometry; // a worked example of the trace
    FieldEntry picket, offset;        // its point's picket and offset
    const char* Y_so;
    const char* X_so;
};

const std::vector<SetOutDialog>& SetOutDialogs() {
    static const std::vector<SetOutDialog> dialogs = {
        {CMD_SET_OUT_STRAIGHT, "Set out Linear", CMD_TRACE_STRAIGHT, "Trace Linear",
         {{IDC_PK_FIRST, "0"}, {IDC_Y_FIRST, "0"}, {IDC_X_FIRST, "0"}, {IDC_PK_SECOND, "100"},
          {IDC_Y_SECOND, "0"}, {IDC_X_SECOND, "100"}},
         {IDC_PK_SO, "30"}, {IDC_D_SO, "5"}, "5.0000", "30.0000"},
        {CMD_SET_OUT_CIRCULAR, "Set out Circular Crooked", CMD_TRACE_CIRCULAR, "Trace Circular Crooked",
         {{IDC_PK_FIRST, "1000"}, {IDC_Y_FIRST, "0"}, {IDC_X_FIRST, "100"}, {IDC_PK_SECOND, "1157.0796"},
          {IDC_Y_SECOND, "100"}, {IDC_X_SECOND, "0"}, {IDC_Y_CK, "0"}, {IDC_X_CK, "0"}, {IDC_R_KK, "100"},
          {IDC_Z, "0"}, {IDC_Q, "0"}},
         {IDC_PK_SO, "1078.5398"}, {IDC_D_SO, "2"}, "72.1249", "72.1249"},
        {CMD_SET_OUT_SPIRAL, "Set out Connecting Crooked (Spiral)", CMD_TRACE_SPIRAL,
         "Trace Connecting Crooked (Spiral)",
         {{IDC_PK_FIRST, "0"}, {IDC_Y_FIRST, "0"}, {IDC_X_FIRST, "0"}, {IDC_PK_SECOND, "100"},
          {IDC_Y_SECOND, "0"}, {IDC_X_SECOND, "100"}, {IDC_Y_CK, "100"}, {IDC_X_CK, "100"}, {IDC_R_KK, "100"},
          {IDC_L_SK, "40"}, {IDC_Q, "0.1"}},
         {IDC_PK_SO, "100.0933"}, {IDC_D_SO, "1.6084"}, "2.0000", "100.0000"},
    };
    return dialogs;
}

const int SetOutFields[] = {IDC_PK_SO, IDC_D_SO, IDC_PK_TO, IDC_STEP};

void EachDialogFromTheMenu(ScenarioContext& context) {
    Program& program = context.Start();
    for (const SetOutDialog& d : SetOutDialogs()) {
        HWND dialog = OpenFromMenu(program, d.command, d.caption);
        CheckCentredOnWorkArea(dialog, d.caption);
        for (const FieldEntry& field : d.geometry)
            CheckText(FieldText(dialog, field.id), "0.0000", std::string(d.caption) + ", geometry field");
        for (int id : SetOutFields) CheckText(FieldText(dialog, id), "0.0000", std::string(d.caption) + ", set-out field");
        CheckText(FieldText(dialog, IDC_PZ_NAME), "", std::string(d.caption) + ", name");
        CheckText(FieldText(dialog, IDC_Y_SO), "", std::string(d.caption) + ", Y_so");
        CheckText(FieldText(dialog, IDC_X_SO), "", std::string(d.caption) + ", X_so");
        CloseCalculator(dialog);
    }
}

// Each worked example's point set out; the trace of the same geometry opens on it
// and its CALC gives back the picket and the offset typed.
void TraceChecksThePointSetOut(ScenarioContext& context) {
    Program& program = context.Start();
    for (const SetOutDialog& d : SetOutDialogs()) {
        const std::string what = d.caption;
        HWND setOut = OpenFromMenu(program, d.command, d.caption);
        TypeFields(setOut, d.geometry);
        TypeFields(setOut, {{IDC_PZ_NAME, "P"}, d.picket, d.offset, {IDC_PK_TO, "0"}, {IDC_STEP, "0"}});
        PressCalc(setOut);
        CheckText(FieldText(setOut, IDC_Y_SO), d.Y_so, what + ", Y_so");
        CheckText(FieldText(setOut, IDC_X_SO), d.X_so, what + ", X_so");
        CloseCalculator(setOut);

        HWND trace = OpenFromMenu(program, d.traceCommand, d.traceCaption);
        CheckText(FieldText(trace, IDC_PZ_NAME), "P", what + ", the trace's PZ name");
        CheckText(FieldText(trace, IDC_Y_PZ), d.Y_so, what + ", the trace's Y_pz");
        CheckText(FieldText(trace, IDC_X_PZ), d.X_so, what + ", the trace's X_pz");
        PressCalc(trace);
        const double typedPK = std::stod(d.picket.text), typedD = std::stod(d.offset.text);
        char expectedPK[64], expectedD[64];
        std::snprintf(expectedPK, sizeof expectedPK, "%.4f", typedPK);
        std::snprintf(expectedD, sizeof expectedD, "%.4f", typedD);
        CheckText(FieldText(trace, IDC_PK_PZ), expectedPK, what + ", the trace's PK_pz");
        CheckText(FieldText(trace, IDC_D_PZ), expectedD, what + ", the trace's d_pz");
        CloseCalculator(trace);
    }
}

// A run from before the curve's start to beyond its end, in one append.
void RunOfPickets(ScenarioContext& context) {
    Program& program = context.Start();
    std::vector<FieldEntry> fields = SetOutDialogs()[1].geometry;
    fields.insert(fields.end(), {{IDC_PZ_NAME, "C"}, {IDC_PK_SO, "990"}, {IDC_D_SO, "2"}, {IDC_PK_TO, "1170"},
                                 {IDC_STEP, "90"}});
    const std::vector<CalculationCase> cases = {
        {"circular run", fields,
         {"", "Set out on circular crooked trace", "", "PK0=1000   Y0=0   X0=100", "PKn=1157.0796   Yn=100   Xn=0",
          "CENTR: Yck=0   Xck=0", "R=100   z=0   q=0", "SO: C   PK=990   d=2   PK_to=1170   step=90", "",
          "Ankk= 0' 0' 0'   Rnkk=100.0000", "Akkk= 90' 0' 0'   Rkkk=100.0000", "Beta= 90' 0' 0'   Lkk=157.0796", "",
          "C-1   PK=990.0000   !Picket outside of circular crooked!",
          "C-2   PK=1080.0000   d=2.0000   Y=73.1703   X=71.0641",
          "C-3   PK=1170.0000   !Picket outside of circular crooked!"},
         {{IDC_Y_SO, "0.0000"}, {IDC_X_SO, "0.0000"}}},
    };
    CloseCalculator(RunCalculationCases(program, CMD_SET_OUT_CIRCULAR, "Set out Circular Crooked", cases));
}

// A d_so that holds no number stops CALC: nothing appended, nothing stored (the
// trace still opens on PK_A 0). Then the set-out point typed in one set-out dialog
// (" 12.5 " read as 12.5) opens in the other two; the geometry typed there opens in
// the trace.
void SetOutValuesShared(ScenarioContext& context) {
    Program& program = context.Start();
    const std::vector<FieldEntry> typed = {{IDC_PK_FIRST, "7"},   {IDC_PZ_NAME, "N 1"}, {IDC_PK_SO, " 12.5 "},
                                           {IDC_D_SO, "-3"},     {IDC_PK_TO, "40"},    {IDC_STEP, "2.5"}};
    HWND straight = OpenFromMenu(program, CMD_SET_OUT_STRAIGHT, "Set out Linear");
    TypeFields(straight, typed);
    CheckCalcRefuses(program, straight, IDC_D_SO, NotANumberRefusals("d_so"), "");
    CloseCalculator(straight);
    HWND trace = OpenFromMenu(program, CMD_TRACE_STRAIGHT, "Trace Linear");
    CheckText(FieldText(trace, IDC_PK_FIRST), "0.0000", "Trace Linear, PK_A after the refusals");
    CheckText(FieldText(trace, IDC_PZ_NAME), "", "Trace Linear, the point name after the refusals");
    CloseCalculator(trace);

    straight = OpenFromMenu(program, CMD_SET_OUT_STRAIGHT, "Set out Linear");
    TypeFields(straight, typed);
    PressCalc(straight);
    CloseCalculator(straight);
    const std::vector<FieldEntry> shown = {{IDC_PZ_NAME, "N 1"}, {IDC_PK_SO, "12.5000"}, {IDC_D_SO, "-3.0000"},
                                           {IDC_PK_TO, "40.0000"}, {IDC_STEP, "2.5000"}};
    for (const SetOutDialog& d : {SetOutDialogs()[1], SetOutDialogs()[2]}) {
        HWND dialog = OpenFromMenu(program, d.command, d.caption);
        for (const FieldEntry& field : shown)
            CheckText(FieldText(dialog, field.id), field.text, std::string(d.caption) + ", field " + std::to_string(field.id));
        CloseCalculator(dialog);
    }
    trace = OpenFromMenu(program, CMD_TRACE_STRAIGHT, "Trace Linear");
    CheckText(FieldText(trace, IDC_PK_FIRST), "7.0000", "Trace Linear, PK_A");
    CloseCalculator(trace);
}

}  // namespace

std::vector<Scenario> SetOutScenarios() {
    return {
        {"set out: each dialog opens from its menu command with its caption, fields 0.0000", EachDialogFromTheMenu},
        {"set out: the trace of the same geometry opens on the point set out and gives back PK and d",
         TraceChecksThePointSetOut},
        {"set out: a run of pickets on the circular curve, the whole report", RunOfPickets},
        {"set out: a d_so holding \"2,5\", \"abc\" or nothing refused by name, nothing appended or stored; the "
         "set-out values (\" 12.5 \" read as 12.5) are shared by the three set-out dialogs",
         SetOutValuesShared},
    };
}
