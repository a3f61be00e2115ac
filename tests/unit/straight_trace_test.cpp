// The straight-line trace driven as its dialog drives it, the whole report text and
// both result fields compared to the character.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "calculator_run.h"
#include "numeric/precision_settings.h"
#include "resource_ids.h"
#include "trace/trace_calculators.h"

namespace {

// Field texts in template order: PK_A, Y_A, X_A, PK_B, Y_B, X_B, name, Y_pz, X_pz.
using StraightInputs = std::array<const char*, 9>;

constexpr std::array<int, 9> StraightFieldIds = {IDC_PK_FIRST,  IDC_Y_FIRST,  IDC_X_FIRST,
                                                 IDC_PK_SECOND, IDC_Y_SECOND, IDC_X_SECOND,
                                                 IDC_PZ_NAME,   IDC_Y_PZ,     IDC_X_PZ};

// The expected input piece: the title and the three lines of typed texts.
std::string InputPiece(const StraightInputs& t) {
    return std::string("\r\nCalculation on linear trace\r\n") + "\r\nPK0=" + t[0] + "   Y0=" + t[1] +
           "   X0=" + t[2] + "\r\nPKn=" + t[3] + "   Yn=" + t[4] + "   Xn=" + t[5] + "\r\nPZ: " + t[6] +
           "   Ypz=" + t[7] + "   Xpz=" + t[8] + "\r\n";
}

class StraightTrace : public CalculatorTest {
  protected:
    CalculatorRun Run(const StraightInputs& typed) { return RunTyped(StraightTraceCalculator, StraightFieldIds, typed); }
};

TEST_F(StraightTrace, WorkedExampleWholeReport) {
    CalculatorRun run = Run({"0", "0", "0", "100", "0", "100", "P1", "5", "30"});
    EXPECT_EQ(run.report, "\r\nCalculation on linear trace\r\n"
                          "\r\nPK0=0   Y0=0   X0=0"
                          "\r\nPKn=100   Yn=0   Xn=100"
                          "\r\nPZ: P1   Ypz=5   Xpz=30\r\n"
                          "\r\nApk= 0' 0' 0'   Lpk=100.0000\r\n"
                          "\r\nPKpz1=30.0000   Dpz1=5.0000"
                          "\r\nPKpz2=30.0000   Dpz2=5.0000\r\n");
    EXPECT_EQ(run.resultFields[IDC_PK_PZ], "30.0000");
    EXPECT_EQ(run.resultFields[IDC_D_PZ], "5.0000");
}

struct StraightCase {
    const char* what;
    StraightInputs typed;
    const char* resultPiece;
    const char* pk_pz;
    const char* d_pz;
};

const StraightCase StraightCases[] = {
    {"point on the left",
     {"0", "0", "0", "100", "0", "100", "P1", "-5", "30"},
     "\r\nApk= 0' 0' 0'   Lpk=100.0000\r\n\r\nPKpz1=30.0000   Dpz1=-5.0000\r\nPKpz2=30.0000   "
     "Dpz2=-5.0000\r\n",
     "30.0000",
     "-5.0000"},
    {"misclosure shared between A and B",
     {"0", "0", "0", "100.2", "0", "100", "P1", "5", "30"},
     "\r\nApk= 0' 0' 0'   Lpk=100.0000\r\n\r\nPKpz1=30.0000   Dpz1=5.0000\r\nPKpz2=30.2000   Dpz2=5.0000\r\n",
     "30.1000",
     "5.0000"},
    {"pickets falling from A to B",
     {"100", "0", "0", "0", "0", "100", "P1", "5", "30"},
     "\r\nApk= 0' 0' 0'   Lpk=100.0000\r\n\r\nPKpz1=70.0000   Dpz1=-5.0000\r\nPKpz2=70.0000   "
     "Dpz2=-5.0000\r\n",
     "70.0000",
     "-5.0000"},
    {"B due -X of A",
     {"0", "0", "0", "100", "0", "-100", "P1", "5", "-30"},
     "\r\nApk= 180' 0' 0'   Lpk=100.0000\r\n\r\nPKpz1=30.0000   Dpz1=-5.0000\r\nPKpz2=30.0000   "
     "Dpz2=-5.0000\r\n",
     "30.0000",
     "-5.0000"},
    {"equal pickets count as growing",
     {"50", "0", "0", "50", "0", "100", "P1", "5", "30"},
     "\r\nApk= 0' 0' 0'   Lpk=100.0000\r\n\r\nPKpz1=80.0000   Dpz1=5.0000\r\nPKpz2=-20.0000   "
     "Dpz2=5.0000\r\n",
     "30.0000",
     "5.0000"},
    {"point at A",
     {"0", "0", "0", "100", "0", "100", "A", "0", "0"},
     "\r\nApk= 0' 0' 0'   Lpk=100.0000\r\n\r\nPKpz1=0.0000   Dpz1=0.0000\r\nPKpz2=0.0000   Dpz2=0.0000\r\n",
     "0.0000",
     "0.0000"},
    {"oblique line, point before A on the right",
     {"1000", "0", "0", "1050", "30", "40", "K 12", "10", "45"},
     "\r\nApk= 36' 52' 11.63'   Lpk=50.0000\r\n\r\nPKpz1=1042.0000   Dpz1=-19.0000\r\nPKpz2=1042.0000   "
     "Dpz2=-19.0000\r\n",
     "1042.0000",
     "-19.0000"},
    {"numbers with blanks around them, an empty name",
     {" 0", "0 ", "0", "100", "0", "\t100 ", "", "5", "30"},
     "\r\nApk= 0' 0' 0'   Lpk=100.0000\r\n\r\nPKpz1=30.0000   Dpz1=5.0000\r\nPKpz2=30.0000   Dpz2=5.0000\r\n",
     "30.0000",
     "5.0000"},
    // Degenerate and non-finite inputs: written as FormatFixed writes them, nothing else.
    {"A and B at the same place",
     {"0", "3", "4", "10", "3", "4", "P1", "5", "30"},
     "\r\nApk= 90' 0' 0'   Lpk=0.0000\r\n\r\nPKpz1=NAN   Dpz1=NAN\r\nPKpz2=NAN   Dpz2=NAN\r\n",
     "NAN",
     "NAN"},
    {"length of AB overflows",
     {"0", "0", "0", "100", "0", "1e300", "P1", "5", "30"},
     "\r\nApk= 0' 0' 0'   Lpk=INF\r\n\r\nPKpz1=0.0000   Dpz1=0.0000\r\nPKpz2=100.0000   Dpz2=0.0000\r\n",
     "50.0000",
     "0.0000"},
    // A field that is not a finite number stops CALC: nothing is appended.
    {"point at infinity", {"0", "0", "0", "100", "0", "100", "P1", "-inf", "30"}, nullptr, "", ""},
    {"nan typed", {"0", "0", "0", "100", "nan", "100", "P1", "5", "30"}, nullptr, "", ""},
};

TEST_F(StraightTrace, Cases) {
    for (const StraightCase& c : StraightCases) {
        store.Reset();
        CalculatorRun run = Run(c.typed);
        EXPECT_EQ(run.report, c.resultPiece ? InputPiece(c.typed) + c.resultPiece : "") << c.what;
        EXPECT_EQ(run.resultFields[IDC_PK_PZ], c.pk_pz) << c.what;
        EXPECT_EQ(run.resultFields[IDC_D_PZ], c.d_pz) << c.what;
    }
}

TEST_F(StraightTrace, ReportFollowsThePrecisionSettings) {
    LinearDecimals = 2;
    AngleDecimals = 0;
    StraightInputs typed = {"1000", "0", "0", "1050", "30", "40", "K 12", "10", "45"};
    CalculatorRun run = Run(typed);
    EXPECT_EQ(run.report, InputPiece(typed) +
                              "\r\nApk= 36' 52' 12'   Lpk=50.00\r\n"
                              "\r\nPKpz1=1042.00   Dpz1=-19.00\r\nPKpz2=1042.00   Dpz2=-19.00\r\n");
    EXPECT_EQ(run.resultFields[IDC_PK_PZ], "1042.00");
    EXPECT_EQ(run.resultFields[IDC_D_PZ], "-19.00");
}

TEST_F(StraightTrace, LongFieldTextsAreEchoedWhole) {
    std::string longName(5000, 'N');
    std::string longNumber = "5." + std::string(3000, '0');
    StraightInputs typed = {"0", "0", "0", "100", "0", "100", longName.c_str(), longNumber.c_str(), "30"};
    CalculatorRun run = Run(typed);
    EXPECT_EQ(run.report.substr(0, InputPiece(typed).size()), InputPiece(typed));
    EXPECT_EQ(store.pzName, longName);
    EXPECT_EQ(run.resultFields[IDC_D_PZ], "5.0000");
}

} // namespace
