// The three rail-level calculators driven as their dialog drives them: the typed
// field texts are stored and echoed by the frame, then the calculator computes.
// Whole reports and result fields are compared to the character.
#include <gtest/gtest.h>

#include "calculator_run.h"

#include <map>
#include <span>
#include <string>
#include <vector>

#include "calculator/calculator.h"
#include "numeric/precision_settings.h"
#include "rail/rail_level_calculators.h"
#include "resource_ids.h"

namespace {

enum class Rail { Straight, Circular, Spiral };

const Calculator& CalculatorOf(Rail rail) {
    switch (rail) {
    case Rail::Straight:
        return StraightRailLevelCalculator;
    case Rail::Circular:
        return CircularRailLevelCalculator;
    case Rail::Spiral:
        return SpiralRailLevelCalculator;
    }
    return StraightRailLevelCalculator;
}

// The texts typed into a rail dialog; the defaults are the worked example shared
// by the three calculators (R and z used by the circular one, PKnsk and C by the spiral).
struct Typed {
    std::string pkA = "0", dA = "10", mA = "2";
    std::string pkB = "100", dB = "12", mB = "3";
    std::string r = "500", z = "0";
    std::string pkNsk = "0", c = "6000";
    std::string name = "Rp1", pkRp = "50", mRp = "2.5", bRl = "0.76";

    std::map<int, std::string> ByControl() const {
        return {{IDC_PK_FIRST, pkA}, {IDC_D_FIRST, dA},  {IDC_M_FIRST, mA},   {IDC_PK_SECOND, pkB},
                {IDC_D_SECOND, dB},  {IDC_M_SECOND, mB}, {IDC_R_KK, r},       {IDC_Z, z},
                {IDC_PKNSK, pkNsk},  {IDC_C, c},         {IDC_RP_NAME, name}, {IDC_PK_RP, pkRp},
                {IDC_M_RP, mRp},     {IDC_B_RL, bRl}};
    }
};

// The report a CALC must append, as the editor reads it.
std::string ExpectedReport(Rail rail, const Typed& t, const std::string& yrp) {
    const char* title = rail == Rail::Straight ? "Calculation Rail size of Linear trace"
                        : rail == Rail::Circular
                            ? "Calculation Rail size of Circular crooked trace"
                            : "Calculation Rail size of connecting crooked (Spiral) trace";
    std::string r = std::string("\r\n") + title + "\r\n";
    r += "\r\nPK0=" + t.pkA + "   d0=" + t.dA + "   m0=" + t.mA;
    r += "\r\nPKn=" + t.pkB + "   dn=" + t.dB + "   mn=" + t.mB;
    if (rail == Rail::Circular) r += "\r\nR=" + t.r + "   z=" + t.z;
    if (rail == Rail::Spiral) r += "\r\nPKnsk=" + t.pkNsk + "   C=" + t.c;
    r += "\r\nRp: " + t.name + "   PKrp=" + t.pkRp + "   mrp=" + t.mRp;
    r += "\r\nBrl=" + t.bRl + "\r\n";
    r += "\r\nYrp=" + yrp + "\r\n";
    return r;
}

// The texts a calculator's fields show when its dialog opens, by control id.
std::map<int, std::string> OpeningTexts(const Calculator& calculator, const CalculationStore& store) {
    std::map<int, std::string> texts;
    for (const CalculatorField& field : calculator.fields)
        texts[field.controlId] = FieldOpeningText(field, store);
    return texts;
}

// The worked example's texts with some of them changed.
template <typename Change> Typed With(Change change) {
    Typed t;
    change(t);
    return t;
}
void Unchanged(Typed&) {}

// One CALC with the texts typed and the y_rp text it must show, in the field and
// in the report.
struct ResultCase {
    const char* what;
    Rail rail;
    Typed typed;
    const char* yrp;
};

void ExpectResults(CalculationStore& store, std::span<const ResultCase> cases) {
    for (const ResultCase& c : cases) {
        SCOPED_TRACE(c.what);
        store.Reset();
        CalculatorRun result = RunCalculator(CalculatorOf(c.rail), store, c.typed.ByControl());
        EXPECT_EQ(result.report, ExpectedReport(c.rail, c.typed, c.yrp));
        EXPECT_EQ(result.resultFields, (std::map<int, std::string>{{IDC_Y_RP, c.yrp}}));
    }
}

class RailLevel : public CalculatorTest {};

} // namespace

TEST_F(RailLevel, WorkedExampleReportsReadInFull) {
    Typed t;
    t.name = " km 12 ";
    t.dA = " 10 "; // read as 10, echoed as typed
    struct Case {
        Rail rail;
        const char* report;
        const char* yrp;
    } cases[] = {
        {Rail::Straight,
         "\r\nCalculation Rail size of Linear trace\r\n"
         "\r\nPK0=0   d0= 10    m0=2"
         "\r\nPKn=100   dn=12   mn=3"
         "\r\nRp:  km 12    PKrp=50   mrp=2.5"
         "\r\nBrl=0.76\r\n"
         "\r\nYrp=10.2400\r\n",
         "10.2400"},
        {Rail::Circular,
         "\r\nCalculation Rail size of Circular crooked trace\r\n"
         "\r\nPK0=0   d0= 10    m0=2"
         "\r\nPKn=100   dn=12   mn=3"
         "\r\nR=500   z=0"
         "\r\nRp:  km 12    PKrp=50   mrp=2.5"
         "\r\nBrl=0.76\r\n"
         "\r\nYrp=7.7400\r\n",
         "7.7400"},
        {Rail::Spiral,
         "\r\nCalculation Rail size of connecting crooked (Spiral) trace\r\n"
         "\r\nPK0=0   d0= 10    m0=2"
         "\r\nPKn=100   dn=12   mn=3"
         "\r\nPKnsk=0   C=6000"
         "\r\nRp:  km 12    PKrp=50   mrp=2.5"
         "\r\nBrl=0.76\r\n"
         "\r\nYrp=14.0142\r\n",
         "14.0142"},
    };
    for (const Case& c : cases) {
        store.Reset();
        CalculatorRun result = RunCalculator(CalculatorOf(c.rail), store, t.ByControl());
        EXPECT_EQ(result.report, c.report);
        EXPECT_EQ(result.resultFields, (std::map<int, std::string>{{IDC_Y_RP, c.yrp}}));
        EXPECT_EQ(store[StoredValue::d_A], 10);
        EXPECT_EQ(store.Name(StoredName::Rp), " km 12 ");
    }
}

TEST_F(RailLevel, ResultsOfTheWorkedExamplesAndEdgeCases) {
    const ResultCase cases[] = {
        // Straight: signed pickets, linear interpolation and extrapolation.
        {"straight example", Rail::Straight, With(Unchanged), "10.2400"},
        {"straight Rp at A", Rail::Straight, With([](Typed& t) { t.pkRp = "0"; }), "9.7400"},
        {"straight Rp at B", Rail::Straight, With([](Typed& t) { t.pkRp = "100"; }), "10.7400"},
        {"straight beyond B", Rail::Straight, With([](Typed& t) { t.pkRp = "150"; }), "11.2400"},
        {"straight before A", Rail::Straight, With([](Typed& t) { t.pkRp = "-20"; }), "9.5400"},
        {"straight falling pickets", Rail::Straight, With([](Typed& t) { t.pkA = "100", t.pkB = "0"; }),
         "10.2400"},
        {"straight B_rl 0", Rail::Straight, With([](Typed& t) { t.bRl = "0"; }), "11.0000"},
        // Circular: distances from A, z added, the arc's ordinate taken off.
        {"circular example", Rail::Circular, With(Unchanged), "7.7400"},
        {"circular Rp at 20", Rail::Circular, With([](Typed& t) { t.pkRp = "20"; }), "8.3400"},
        {"circular Rp at 20, z", Rail::Circular, With([](Typed& t) { t.pkRp = "20", t.z = "0.015"; }),
         "8.3550"},
        {"circular Rp at A", Rail::Circular, With([](Typed& t) { t.pkRp = "0"; }), "9.7400"},
        {"circular Rp at B", Rail::Circular, With([](Typed& t) { t.pkRp = "100"; }), "10.7400"},
        {"circular beyond B", Rail::Circular, With([](Typed& t) { t.pkRp = "120"; }), "13.3400"},
        {"circular before A", Rail::Circular, With([](Typed& t) { t.pkRp = "-20"; }), "8.3400"},
        {"circular falling pickets", Rail::Circular,
         With([](Typed& t) { t.pkA = "100", t.pkB = "0", t.pkRp = "80"; }), "8.3400"},
        // Spiral: the spiral's ordinate and versine measured from NSK.
        {"spiral example", Rail::Spiral, With(Unchanged), "14.0142"},
        {"spiral Rp at NSK", Rail::Spiral, With([](Typed& t) { t.pkNsk = "50"; }), "10.2400"},
        {"spiral before A", Rail::Spiral, With([](Typed& t) { t.pkRp = "-20"; }), "10.1683"},
        {"spiral after A", Rail::Spiral, With([](Typed& t) { t.pkRp = "20"; }), "10.1683"},
        {"spiral Rp at A and NSK", Rail::Spiral, With([](Typed& t) { t.pkRp = "0"; }), "9.7400"},
    };
    ExpectResults(store, cases);
}

// Equal pickets, a zero radius or spiral parameter, and the first CALC with every
// field at its opening text give no finite result: the field and the "Yrp=" line
// show it as the plain word.
TEST_F(RailLevel, NonFiniteResultsAreShownAsWords) {
    auto firstCalc = [](Typed& t) {
        t = {"0.0000", "0.0000", "0.0000", "0.0000", "0.0000", "0.0000", "0.0000",
             "0.0000", "0.0000", "0.0000", "",       "0.0000", "0.0000", "0.7600"};
    };
    const ResultCase cases[] = {
        {"straight first CALC", Rail::Straight, With(firstCalc), "NAN"},
        {"circular first CALC", Rail::Circular, With(firstCalc), "NAN"},
        {"spiral first CALC", Rail::Spiral, With(firstCalc), "NAN"},
        // (9 - 8) * (50 - 100) / 0
        {"straight equal pickets", Rail::Straight, With([](Typed& t) { t.pkA = "100"; }), "-INF"},
        {"straight equal pickets, Rp at A", Rail::Straight, With([](Typed& t) { t.pkRp = "0", t.pkB = "0"; }),
         "NAN"},
        {"circular equal pickets", Rail::Circular, With([](Typed& t) { t.pkA = "100"; }), "INF"},
        {"circular R 0", Rail::Circular, With([](Typed& t) { t.r = "0"; }), "NAN"},
        {"spiral equal pickets", Rail::Spiral, With([](Typed& t) { t.pkB = "0"; }), "INF"},
        // An infinite h times a zero versine is not a number: h * v_sp + h, not h * (1 + v_sp).
        {"spiral equal pickets, Rp at NSK", Rail::Spiral, With([](Typed& t) { t.pkB = "0", t.pkNsk = "50"; }),
         "NAN"},
        {"spiral C 0", Rail::Spiral, With([](Typed& t) { t.c = "0"; }), "NAN"},
        {"spiral C 0, Rp at NSK", Rail::Spiral, With([](Typed& t) { t.c = "0", t.pkNsk = "50"; }), "NAN"},
    };
    ExpectResults(store, cases);
}

TEST_F(RailLevel, ResultsFollowLinearDecimals) {
    struct Case {
        Rail rail;
        int decimals;
        const char* yrp;
    } cases[] = {
        {Rail::Straight, 2, "10.24"},
        {Rail::Circular, 7, "7.7400000"},
        {Rail::Spiral, 2, "14.01"},
        {Rail::Spiral, 7, "14.0141714"},
    };
    for (const Case& c : cases) {
        store.Reset();
        LinearDecimals = c.decimals;
        Typed t;
        CalculatorRun result = RunCalculator(CalculatorOf(c.rail), store, t.ByControl());
        EXPECT_EQ(result.report, ExpectedReport(c.rail, t, c.yrp));
        EXPECT_EQ(result.resultFields[IDC_Y_RP], c.yrp);
    }
}

// A report grows with what was typed; nothing is cut.
TEST_F(RailLevel, LongTextsAreReportedWhole) {
    Typed t;
    t.name = std::string(3000, 'N');
    t.mRp = "2.5" + std::string(2500, '0');
    CalculatorRun result = RunCalculator(SpiralRailLevelCalculator, store, t.ByControl());
    EXPECT_EQ(result.report, ExpectedReport(Rail::Spiral, t, "14.0142"));
}

TEST_F(RailLevel, FieldsInTemplateOrderOpenAtStartValues) {
    struct Case {
        Rail rail;
        std::vector<int> ids;
    } cases[] = {
        {Rail::Straight, {1112, 1114, 1120, 1122, 1124, 1130, 1156, 1158, 1160, 1163}},
        {Rail::Circular, {1112, 1114, 1120, 1122, 1124, 1130, 1148, 1150, 1156, 1158, 1160, 1163}},
        {Rail::Spiral, {1112, 1114, 1120, 1122, 1124, 1130, 1168, 1170, 1156, 1158, 1160, 1163}},
    };
    for (const Case& c : cases) {
        const Calculator& calculator = CalculatorOf(c.rail);
        std::vector<int> ids;
        for (const CalculatorField& field : calculator.fields) {
            ids.push_back(field.controlId);
            std::string expected = field.controlId == IDC_B_RL      ? "0.7600"
                                   : field.controlId == IDC_RP_NAME ? ""
                                                                    : "0.0000";
            EXPECT_EQ(FieldOpeningText(field, store), expected) << field.controlId;
        }
        EXPECT_EQ(ids, c.ids);
    }
}

// A value typed in one rail dialog is what the other two show at their next opening.
TEST_F(RailLevel, TypedValuesOpenInTheOtherRailDialogs) {
    Typed t;
    t = {"1000.5", "10", "2", "1100", "12", "3", "500", "0.015", "990", "6000", "Rp 7", "1050", "2.5", "0.5"};
    const std::map<int, std::string> shared = {{IDC_PK_FIRST, "1000.5000"}, {IDC_D_FIRST, "10.0000"},
                                               {IDC_M_FIRST, "2.0000"},     {IDC_PK_SECOND, "1100.0000"},
                                               {IDC_D_SECOND, "12.0000"},   {IDC_M_SECOND, "3.0000"},
                                               {IDC_RP_NAME, "Rp 7"},       {IDC_PK_RP, "1050.0000"},
                                               {IDC_M_RP, "2.5000"},        {IDC_B_RL, "0.5000"}};
    for (Rail typedIn : {Rail::Straight, Rail::Circular, Rail::Spiral}) {
        store.Reset();
        RunCalculator(CalculatorOf(typedIn), store, t.ByControl());
        for (Rail opened : {Rail::Straight, Rail::Circular, Rail::Spiral}) {
            std::map<int, std::string> texts = OpeningTexts(CalculatorOf(opened), store);
            for (const auto& [id, text] : shared)
                EXPECT_EQ(texts[id], text) << id;
        }
    }
}

// R of the circular rail level is R_kk of the traces; its z is its own value, not
// the z of the circular trace (where the spiral trace leaves its "(Z)=").
TEST_F(RailLevel, CircularRadiusIsTheTraceRadiusAndZIsItsOwn) {
    store[StoredValue::R_kk] = 450;
    store[StoredValue::z_trace] = 0.25;
    std::map<int, std::string> texts = OpeningTexts(CircularRailLevelCalculator, store);
    EXPECT_EQ(texts[IDC_R_KK], "450.0000");
    EXPECT_EQ(texts[IDC_Z], "0.0000");

    Typed t;
    t.r = "500";
    t.z = "0.015";
    RunCalculator(CircularRailLevelCalculator, store, t.ByControl());
    EXPECT_EQ(store[StoredValue::R_kk], 500);
    EXPECT_EQ(store[StoredValue::z_rail], 0.015);
    EXPECT_EQ(store[StoredValue::z_trace], 0.25);
}

// The spiral rail level opens with PKnsk and C as the spiral trace left them, and
// a value typed over them is stored back into the same values.
TEST_F(RailLevel, SpiralOpensWithTheSpiralTraceValues) {
    store[StoredValue::PKnsk] = 1234.56789;
    store[StoredValue::C] = 6000;
    std::map<int, std::string> texts = OpeningTexts(SpiralRailLevelCalculator, store);
    EXPECT_EQ(texts[IDC_PKNSK], "1234.5679");
    EXPECT_EQ(texts[IDC_C], "6000.0000");

    Typed t;
    t.pkNsk = "1250";
    t.c = "7200";
    RunCalculator(SpiralRailLevelCalculator, store, t.ByControl());
    EXPECT_EQ(store[StoredValue::PKnsk], 1250);
    EXPECT_EQ(store[StoredValue::C], 7200);
}
