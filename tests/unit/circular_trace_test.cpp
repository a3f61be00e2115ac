// The circular curve trace driven as its dialog drives it, the whole report text
// and both result fields compared to the character; and two sweeps that check which
// points count as on the curve against the plain angle test and against geometry.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <span>
#include <string>
#include <vector>

#include "calculator_run.h"
#include "numeric/arithmetic.h"
#include "numeric/number_formats.h"
#include "numeric/precision_settings.h"
#include "resource_ids.h"
#include "text/number_text.h"
#include "trace/trace_calculators.h"

namespace {

// Field texts in template order: PK_nk, Y_nk, X_nk, PK_kk, Y_kk, X_kk, Y_ck, X_ck,
// R_kk, z, q, name, Y_pz, X_pz.
using CircularInputs = std::array<std::string, 14>;

constexpr std::array<int, 14> CircularFieldIds = {
    IDC_PK_FIRST, IDC_Y_FIRST, IDC_X_FIRST, IDC_PK_SECOND, IDC_Y_SECOND, IDC_X_SECOND, IDC_Y_CK,
    IDC_X_CK,     IDC_R_KK,    IDC_Z,       IDC_Q,         IDC_PZ_NAME,  IDC_Y_PZ,     IDC_X_PZ};

const char* const Outside = "\r\n!Point outside of circular crooked!\r\n";

// The expected input piece: the title and the five lines of typed texts.
std::string InputPiece(const CircularInputs& t) {
    return "\r\nCalculation on circular crooked trace\r\n\r\nPK0=" + t[0] + "   Y0=" + t[1] +
           "   X0=" + t[2] + "\r\nPKn=" + t[3] + "   Yn=" + t[4] + "   Xn=" + t[5] +
           "\r\nCENTR: Yck=" + t[6] + "   Xck=" + t[7] + "\r\nR=" + t[8] + "   z=" + t[9] + "   q=" + t[10] +
           "\r\nPZ: " + t[11] + "   Ypz=" + t[12] + "   Xpz=" + t[13] + "\r\n";
}

struct CircularCase {
    const char* what;
    CircularInputs typed;
    const char* curvePiece;
    const char* pointPiece;
    const char* pk_pz;
    const char* d_pz;
};

class CircularTrace : public CalculatorTest {
  protected:
    CalculatorRun Run(const CircularInputs& typed) { return RunTyped(CircularTraceCalculator, CircularFieldIds, typed); }
    // Each case from a fresh store: the whole report and both result fields.
    void ExpectCases(std::span<const CircularCase> cases) {
        for (const CircularCase& c : cases) {
            store.Reset();
            CalculatorRun run = Run(c.typed);
            EXPECT_EQ(run.report, c.curvePiece ? InputPiece(c.typed) + c.curvePiece + c.pointPiece : "") << c.what;
            EXPECT_EQ(run.resultFields[IDC_PK_PZ], c.pk_pz) << c.what;
            EXPECT_EQ(run.resultFields[IDC_D_PZ], c.d_pz) << c.what;
        }
    }
};

// The curve pieces shared by the cases below.
const char* const QuarterCurve = // centre (0, 0), start (0, 100), end (100, 0)
    "\r\nAnkk= 0' 0' 0'   Rnkk=100.0000\r\nAkkk= 90' 0' 0'   Rkkk=100.0000\r\nBeta= 90' 0' 0'   "
    "Lkk=157.0796\r\n";
const char* const TurningBackQuarterCurve = // the same with start and end swapped
    "\r\nAnkk= 90' 0' 0'   Rnkk=100.0000\r\nAkkk= 0' 0' 0'   Rkkk=100.0000\r\nBeta=-90' 0' 0'   "
    "Lkk=157.0796\r\n";
const char* const OneRayCurve = // start (0, 100), end (0, 200)
    "\r\nAnkk= 0' 0' 0'   Rnkk=100.0000\r\nAkkk= 0' 0' 0'   Rkkk=200.0000\r\nBeta= 0' 0' 0'   Lkk=0.0000\r\n";
const char* const Curve150 = // start at 0 degrees, end at 150 degrees
    "\r\nAnkk= 0' 0' 0'   Rnkk=100.0000\r\nAkkk= 150' 0' 0'   Rkkk=100.0000\r\nBeta= 150' 0' 0'   "
    "Lkk=261.7994\r\n";
const char* const TurningBackCurve150 = "\r\nAnkk= 150' 0' 0'   Rnkk=100.0000\r\nAkkk= 0' 0' 0'   "
                                        "Rkkk=100.0000\r\nBeta=-150' 0' 0'   Lkk=261.7994\r\n";
const char* const HalfCircle = // start (0, 100), end (0, -100)
    "\r\nAnkk= 0' 0' 0'   Rnkk=100.0000\r\nAkkk= 180' 0' 0'   Rkkk=100.0000\r\nBeta= 180' 0' 0'   "
    "Lkk=314.1593\r\n";

TEST_F(CircularTrace, WorkedExampleWholeReport) {
    CalculatorRun run = Run({"1000", "0", "100", "1157.0796", "100", "0", "0", "0", "100", "0", "0", "P1",
                             "72.124892", "72.124892"});
    EXPECT_EQ(run.report, "\r\nCalculation on circular crooked trace\r\n"
                          "\r\nPK0=1000   Y0=0   X0=100"
                          "\r\nPKn=1157.0796   Yn=100   Xn=0"
                          "\r\nCENTR: Yck=0   Xck=0"
                          "\r\nR=100   z=0   q=0"
                          "\r\nPZ: P1   Ypz=72.124892   Xpz=72.124892\r\n"
                          "\r\nAnkk= 0' 0' 0'   Rnkk=100.0000"
                          "\r\nAkkk= 90' 0' 0'   Rkkk=100.0000"
                          "\r\nBeta= 90' 0' 0'   Lkk=157.0796\r\n"
                          "\r\nApz= 45' 0' 0'   Rpz=102.0000"
                          "\r\nPKpz1=1078.5398   Dpz=2.0000"
                          "\r\nPKpz2=1078.5398\r\n");
    EXPECT_EQ(run.resultFields[IDC_PK_PZ], "1078.5398");
    EXPECT_EQ(run.resultFields[IDC_D_PZ], "2.0000");
}

// All inputs 0, typed as the fields show them at the first opening, the name empty:
// every direction angle is that of the zero vector and PZ counts as on the curve.
TEST_F(CircularTrace, AllInputsZeroAsFirstOpened) {
    CircularInputs typed;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const CalculatorField& field = CircularTraceCalculator.fields[i];
        ASSERT_EQ(field.controlId, CircularFieldIds[i]);
        typed[i] = FieldOpeningText(field, store);
    }
    CalculatorRun run = Run(typed);
    EXPECT_EQ(run.report, "\r\nCalculation on circular crooked trace\r\n"
                          "\r\nPK0=0.0000   Y0=0.0000   X0=0.0000"
                          "\r\nPKn=0.0000   Yn=0.0000   Xn=0.0000"
                          "\r\nCENTR: Yck=0.0000   Xck=0.0000"
                          "\r\nR=0.0000   z=0.0000   q=0.0000"
                          "\r\nPZ:    Ypz=0.0000   Xpz=0.0000\r\n"
                          "\r\nAnkk= 90' 0' 0'   Rnkk=0.0000"
                          "\r\nAkkk= 90' 0' 0'   Rkkk=0.0000"
                          "\r\nBeta= 0' 0' 0'   Lkk=0.0000\r\n"
                          "\r\nApz= 90' 0' 0'   Rpz=0.0000"
                          "\r\nPKpz1=0.0000   Dpz=0.0000"
                          "\r\nPKpz2=0.0000\r\n");
    EXPECT_EQ(run.resultFields[IDC_PK_PZ], "0.0000");
    EXPECT_EQ(run.resultFields[IDC_D_PZ], "0.0000");
}

const CircularCase EdgeCases[] = {
    {"start and end swapped",
     {"1000", "100", "0", "1157.0796", "0", "100", "0", "0", "100", "0", "0", "P1", "72.124892", "72.124892"},
     TurningBackQuarterCurve,
     "\r\nApz= 45' 0' 0'   Rpz=102.0000\r\nPKpz1=1078.5398   Dpz=2.0000\r\nPKpz2=1078.5398\r\n",
     "1078.5398",
     "2.0000"},
    {"z and q added to the offset",
     {"1000", "0", "100", "1157.0796", "100", "0", "0", "0", "100", "0.1", "0.05", "P1", "72.124892",
      "72.124892"},
     QuarterCurve,
     "\r\nApz= 45' 0' 0'   Rpz=102.0000\r\nPKpz1=1078.5398   Dpz=2.1500\r\nPKpz2=1078.5398\r\n",
     "1078.5398",
     "2.1500"},
    {"point 10 degrees behind the start",
     {"1000", "0", "100", "1157.0796", "100", "0", "0", "0", "100", "0", "0", "P1", "-17.364818",
      "98.480775"},
     QuarterCurve,
     "\r\nApz= 350' 0' 0'   Rpz=100.0000\r\n!Point outside of circular crooked!\r\n",
     "0.0000",
     "0.0000"},
    {"point on the start radius",
     {"1000", "0", "100", "1157.0796", "100", "0", "0", "0", "100", "0", "0", "P1", "0", "90"},
     QuarterCurve,
     "\r\nApz= 0' 0' 0'   Rpz=90.0000\r\nPKpz1=1000.0000   Dpz=-10.0000\r\nPKpz2=1000.0000\r\n",
     "1000.0000",
     "-10.0000"},
    {"point on the end radius",
     {"1000", "0", "100", "1157.0796", "100", "0", "0", "0", "100", "0", "0", "P1", "95", "0"},
     QuarterCurve,
     "\r\nApz= 90' 0' 0'   Rpz=95.0000\r\nPKpz1=1157.0796   Dpz=-5.0000\r\nPKpz2=1157.0796\r\n",
     "1157.0796",
     "-5.0000"},
    {"point at the centre",
     {"1000", "0", "100", "1157.0796", "100", "0", "0", "0", "100", "0.1", "0.05", "P1", "0", "0"},
     QuarterCurve,
     "\r\nApz= 90' 0' 0'   Rpz=0.0000\r\nPKpz1=1157.0796   Dpz=-99.8500\r\nPKpz2=1157.0796\r\n",
     "1157.0796",
     "-99.8500"},
    {"zero radius",
     {"1000", "0", "100", "1157.0796", "100", "0", "0", "0", "0", "0", "0", "P1", "72.124892", "72.124892"},
     "\r\nAnkk= 0' 0' 0'   Rnkk=100.0000\r\nAkkk= 90' 0' 0'   Rkkk=100.0000\r\nBeta= 90' 0' 0'   "
     "Lkk=0.0000\r\n",
     "\r\nApz= 45' 0' 0'   Rpz=102.0000\r\nPKpz1=1000.0000   Dpz=102.0000\r\nPKpz2=1157.0796\r\n",
     "1078.5398",
     "102.0000"},
    {"start and end on one ray, point on it",
     {"0", "0", "100", "100", "0", "200", "0", "0", "100", "0", "0", "P1", "0", "150"},
     OneRayCurve,
     "\r\nApz= 0' 0' 0'   Rpz=150.0000\r\nPKpz1=0.0000   Dpz=50.0000\r\nPKpz2=100.0000\r\n",
     "50.0000",
     "50.0000"},
    {"start and end on one ray, point beside it",
     {"0", "0", "100", "100", "0", "200", "0", "0", "100", "0", "0", "P1", "1", "150"},
     OneRayCurve,
     "\r\nApz= 0' 22' 55.08'   Rpz=150.0033\r\n!Point outside of circular crooked!\r\n",
     "0.0000",
     "0.0000"},
    {"start and end on one ray, point on the opposite ray",
     {"0", "0", "100", "100", "0", "200", "0", "0", "100", "0", "0", "P1", "0", "-50"},
     OneRayCurve,
     "\r\nApz= 180' 0' 0'   Rpz=50.0000\r\n!Point outside of circular crooked!\r\n",
     "0.0000",
     "0.0000"},
    // A field that is not a finite number stops CALC: nothing is appended.
    {"infinite radius",
     {"1000", "0", "100", "1157.0796", "100", "0", "0", "0", "inf", "0", "0", "P1", "72.124892", "72.124892"},
     nullptr, nullptr, "", ""},
    {"point not a number",
     {"1000", "0", "100", "1157.0796", "100", "0", "0", "0", "100", "0", "0", "P1", "nan", "72.124892"},
     nullptr, nullptr, "", ""},
};

TEST_F(CircularTrace, EdgeCases) {
    ExpectCases(EdgeCases);
}

// Pickets that fall from the start to the end: a point near the start gets a picket
// near PK_nk, and the pickets move toward PK_kk along the curve, whichever way it turns.
const CircularCase PicketDirectionCases[] = {
    {"rising pickets, growing direction angle, point at 30 degrees",
     {"1000", "0", "100", "1157.0796", "100", "0", "0", "0", "100", "0", "0", "P1", "50", "86.602540"},
     QuarterCurve,
     "\r\nApz= 30' 0' 0'   Rpz=100.0000\r\nPKpz1=1052.3599   Dpz=-0.0000\r\nPKpz2=1052.3598\r\n",
     "1052.3599",
     "-0.0000"},
    {"falling pickets, growing direction angle, point at 30 degrees",
     {"1157.0796", "0", "100", "1000", "100", "0", "0", "0", "100", "0", "0", "P1", "50", "86.602540"},
     QuarterCurve,
     "\r\nApz= 30' 0' 0'   Rpz=100.0000\r\nPKpz1=1104.7197   Dpz=-0.0000\r\nPKpz2=1104.7198\r\n",
     "1104.7197",
     "-0.0000"},
    {"falling pickets, point on the start radius",
     {"1157.0796", "0", "100", "1000", "100", "0", "0", "0", "100", "0", "0", "P1", "0", "102"},
     QuarterCurve,
     "\r\nApz= 0' 0' 0'   Rpz=102.0000\r\nPKpz1=1157.0796   Dpz=2.0000\r\nPKpz2=1157.0796\r\n",
     "1157.0796",
     "2.0000"},
    {"falling pickets, point on the end radius",
     {"1157.0796", "0", "100", "1000", "100", "0", "0", "0", "100", "0", "0", "P1", "102", "0"},
     QuarterCurve,
     "\r\nApz= 90' 0' 0'   Rpz=102.0000\r\nPKpz1=1000.0000   Dpz=2.0000\r\nPKpz2=1000.0000\r\n",
     "1000.0000",
     "2.0000"},
    {"rising pickets, falling direction angle, point at 30 degrees",
     {"1000", "100", "0", "1157.0796", "0", "100", "0", "0", "100", "0", "0", "P1", "50", "86.602540"},
     TurningBackQuarterCurve,
     "\r\nApz= 30' 0' 0'   Rpz=100.0000\r\nPKpz1=1104.7198   Dpz=-0.0000\r\nPKpz2=1104.7197\r\n",
     "1104.7197",
     "-0.0000"},
    {"falling direction angle, point on the start radius: on the curve although |Apz2| rounds above |Beta|",
     {"1000", "100", "0", "1157.0796", "0", "100", "0", "0", "100", "0", "0", "P1", "102", "0"},
     TurningBackQuarterCurve,
     "\r\nApz= 90' 0' 0'   Rpz=102.0000\r\nPKpz1=1000.0000   Dpz=2.0000\r\nPKpz2=1000.0000\r\n",
     "1000.0000",
     "2.0000"},
    {"falling pickets, falling direction angle, point at 30 degrees",
     {"1157.0796", "100", "0", "1000", "0", "100", "0", "0", "100", "0", "0", "P1", "50", "86.602540"},
     TurningBackQuarterCurve,
     "\r\nApz= 30' 0' 0'   Rpz=100.0000\r\nPKpz1=1052.3598   Dpz=-0.0000\r\nPKpz2=1052.3599\r\n",
     "1052.3599",
     "-0.0000"},
};

TEST_F(CircularTrace, RisingAndFallingPickets) {
    ExpectCases(PicketDirectionCases);
}

// Curves beyond 120 degrees: only points whose radius lies in the sector swept by the
// curve count, so a point behind the start or beyond the end is outside.
const CircularCase WideCurveCases[] = {
    {"150 degree curve, point 100 degrees behind the start",
     {"1000", "0", "100", "1261.7994", "50.000000", "-86.602540", "0", "0", "100", "0", "0", "P1",
      "-98.480775", "-17.364818"},
     Curve150,
     "\r\nApz= 260' 0' 0'   Rpz=100.0000\r\n!Point outside of circular crooked!\r\n",
     "0.0000",
     "0.0000"},
    {"150 degree curve, point 100 degrees beyond the end",
     {"1000", "0", "100", "1261.7994", "50.000000", "-86.602540", "0", "0", "100", "0", "0", "P1",
      "-93.969262", "-34.202014"},
     Curve150,
     "\r\nApz= 250' 0' 0'   Rpz=100.0000\r\n!Point outside of circular crooked!\r\n",
     "0.0000",
     "0.0000"},
    {"150 degree curve, point in the middle",
     {"1000", "0", "100", "1261.7994", "50.000000", "-86.602540", "0", "0", "100", "0", "0", "P1",
      "96.592583", "25.881905"},
     Curve150,
     "\r\nApz= 75' 0' 0'   Rpz=100.0000\r\nPKpz1=1130.8997   Dpz=0.0000\r\nPKpz2=1130.8997\r\n",
     "1130.8997",
     "0.0000"},
    {"150 degree curve, point at its start",
     {"1000", "0", "100", "1261.7994", "50.000000", "-86.602540", "0", "0", "100", "0", "0", "P1", "0",
      "100"},
     Curve150,
     "\r\nApz= 0' 0' 0'   Rpz=100.0000\r\nPKpz1=1000.0000   Dpz=0.0000\r\nPKpz2=1000.0000\r\n",
     "1000.0000",
     "0.0000"},
    {"150 degree curve, point at its end",
     {"1000", "0", "100", "1261.7994", "50.000000", "-86.602540", "0", "0", "100", "0", "0", "P1",
      "50.000000", "-86.602540"},
     Curve150,
     "\r\nApz= 150' 0' 0'   Rpz=100.0000\r\nPKpz1=1261.7994   Dpz=-0.0000\r\nPKpz2=1261.7994\r\n",
     "1261.7994",
     "-0.0000"},
    {"150 degree curve turning back, point 100 degrees behind its start",
     {"1000", "50.000000", "-86.602540", "1261.7994", "0", "100", "0", "0", "100", "0", "0", "P1",
      "-93.969262", "-34.202014"},
     TurningBackCurve150,
     "\r\nApz= 250' 0' 0'   Rpz=100.0000\r\n!Point outside of circular crooked!\r\n",
     "0.0000",
     "0.0000"},
    {"150 degree curve turning back, point in the middle",
     {"1000", "50.000000", "-86.602540", "1261.7994", "0", "100", "0", "0", "100", "0", "0", "P1",
      "96.592583", "25.881905"},
     TurningBackCurve150,
     "\r\nApz= 75' 0' 0'   Rpz=100.0000\r\nPKpz1=1130.8997   Dpz=0.0000\r\nPKpz2=1130.8997\r\n",
     "1130.8997",
     "0.0000"},
    {"half circle, point on its side",
     {"1000", "0", "100", "1314.1593", "0", "-100", "0", "0", "100", "0", "0", "P1", "50", "0"},
     HalfCircle,
     "\r\nApz= 90' 0' 0'   Rpz=50.0000\r\nPKpz1=1157.0796   Dpz=-50.0000\r\nPKpz2=1157.0797\r\n",
     "1157.0797",
     "-50.0000"},
    {"half circle, point on the other side",
     {"1000", "0", "100", "1314.1593", "0", "-100", "0", "0", "100", "0", "0", "P1", "-50", "0"},
     HalfCircle,
     "\r\nApz= 270' 0' 0'   Rpz=50.0000\r\n!Point outside of circular crooked!\r\n",
     "0.0000",
     "0.0000"},
    {"half circle, point at its end",
     {"1000", "0", "100", "1314.1593", "0", "-100", "0", "0", "100", "0", "0", "P1", "0", "-100"},
     HalfCircle,
     "\r\nApz= 180' 0' 0'   Rpz=100.0000\r\nPKpz1=1314.1593   Dpz=0.0000\r\nPKpz2=1314.1593\r\n",
     "1314.1593",
     "0.0000"},
};

TEST_F(CircularTrace, WideCurvesAndTheHalfCircle) {
    ExpectCases(WideCurveCases);
}

constexpr double Degree = std::numbers::pi / 180;

// A coordinate as text that reads back as the same double.
std::string Exact(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

// Curve and point placed by angles (degrees) around a centre.
struct SweepGeometry {
    double Yc, Xc, R;
    double startDeg, betaDeg;
    double PK_nk, PK_kk;
};

CircularInputs SweepInputs(const SweepGeometry& g, double Y_pz, double X_pz) {
    auto Y = [&](double deg, double r) { return g.Yc + r * std::sin(deg * Degree); };
    auto X = [&](double deg, double r) { return g.Xc + r * std::cos(deg * Degree); };
    const double endDeg = g.startDeg + g.betaDeg;
    return {Exact(g.PK_nk),
            Exact(Y(g.startDeg, g.R)),
            Exact(X(g.startDeg, g.R)),
            Exact(g.PK_kk),
            Exact(Y(endDeg, g.R)),
            Exact(X(endDeg, g.R)),
            Exact(g.Yc),
            Exact(g.Xc),
            Exact(g.R),
            "0.25",
            "-0.05",
            "S",
            Exact(Y_pz),
            Exact(X_pz)};
}

double ReduceForOracle(double a) {
    if (a < 0) a = a + PiTimes(2);
    if (a > PiTimes(1)) a = a - PiTimes(2);
    return a;
}

// The plain angle test and picket formulas of the curve, applied to the stored values.
struct PlainAnswer {
    bool onCurve;
    double PK_pz, Dpz;
};
PlainAnswer PlainFormulas(const CalculationStore& s) {
    using SV = StoredValue;
    const double Ankk = DirectionAngle(s[SV::Y_A] - s[SV::Y_ck], s[SV::X_A] - s[SV::X_ck]);
    const double Akkk = DirectionAngle(s[SV::Y_B] - s[SV::Y_ck], s[SV::X_B] - s[SV::X_ck]);
    const double Beta = ReduceForOracle(Akkk - Ankk);
    const double Skk = Beta >= 0 ? 1.0 : -1.0;
    const double Apz = DirectionAngle(s[SV::Y_pz] - s[SV::Y_ck], s[SV::X_pz] - s[SV::X_ck]);
    const double Rpz = PlaneDistance(s[SV::Y_pz] - s[SV::Y_ck], s[SV::X_pz] - s[SV::X_ck]);
    const double Apz1 = ReduceForOracle(Apz - Ankk);
    const double Apz2 = ReduceForOracle(Apz - Akkk);
    // The plain test, with the margin that keeps points on the end radii on the curve.
    const double limit = AbsValue(Beta) + 8 * 8.8817841970012523e-16;
    if (!(AbsValue(Apz1) <= limit && AbsValue(Apz2) <= limit)) return {false, 0, 0};
    const double PKpz1 = (Skk * s[SV::R_kk]) * Apz1 + s[SV::PK_A];
    const double PKpz2 = (Skk * s[SV::R_kk]) * Apz2 + s[SV::PK_B];
    return {true, (PKpz1 + PKpz2) / 2, ((Rpz - s[SV::R_kk]) + s[SV::z_trace]) + s[SV::q]};
}

bool ReportsOutside(const CalculatorRun& run) {
    return run.report.size() >= std::strlen(Outside) &&
           run.report.compare(run.report.size() - std::strlen(Outside), std::string::npos, Outside) == 0;
}

// Below 120 degrees the curve keeps the plain test and formulas bit for bit, at the
// boundaries too: points on the start and end radii, at the start and end points
// themselves, at the centre, on a curve of no turn. The fields are compared with 12
// decimals, far below the last bit of the pickets.
TEST_F(CircularTrace, NarrowCurvesGiveThePlainAnswers) {
    LinearDecimals = 12;
    const double centres[][2] = {{0, 0}, {5432.1, -1234.5}};
    const double startsDeg[] = {0, 90, 181, 359.5};
    const double betasDeg[] = {-119.9, -119, -90, -60, -1, 0, 1e-9, 1, 45, 90, 119, 119.9};
    int on = 0, outside = 0;
    for (const auto& c : centres)
        for (double startDeg : startsDeg)
            for (double betaDeg : betasDeg) {
                const double R = 733.3;
                SweepGeometry g{
                    c[0], c[1], R, startDeg, betaDeg, 100, 100 + R * std::fabs(betaDeg) * Degree + 0.37};
                std::vector<std::array<double, 2>> points;
                for (double deg = 0; deg < 360; deg += 10)
                    points.push_back({c[0] + 1.02 * R * std::sin((startDeg + deg) * Degree),
                                      c[1] + 1.02 * R * std::cos((startDeg + deg) * Degree)});
                const CircularInputs curve = SweepInputs(g, 0, 0);
                const double Y_nk = std::strtod(curve[1].c_str(), nullptr),
                             X_nk = std::strtod(curve[2].c_str(), nullptr);
                const double Y_kk = std::strtod(curve[4].c_str(), nullptr),
                             X_kk = std::strtod(curve[5].c_str(), nullptr);
                points.push_back({Y_nk, X_nk});
                points.push_back({Y_kk, X_kk});
                points.push_back({c[0] + (Y_nk - c[0]) * 1.5, c[1] + (X_nk - c[1]) * 1.5});
                points.push_back({c[0] + (Y_kk - c[0]) * 0.5, c[1] + (X_kk - c[1]) * 0.5});
                points.push_back({c[0], c[1]});
                for (const auto& p : points) {
                    store.Reset();
                    CalculatorRun run = Run(SweepInputs(g, p[0], p[1]));
                    PlainAnswer plain = PlainFormulas(store);
                    const std::string where = "start " + Exact(startDeg) + " beta " + Exact(betaDeg) +
                                              " point " + Exact(p[0]) + ", " + Exact(p[1]);
                    ASSERT_EQ(ReportsOutside(run), !plain.onCurve) << where;
                    EXPECT_EQ(run.resultFields[IDC_PK_PZ], FormatFixed(plain.PK_pz, 12)) << where;
                    EXPECT_EQ(run.resultFields[IDC_D_PZ], FormatFixed(plain.Dpz, 12)) << where;
                    ++(plain.onCurve ? on : outside);
                }
            }
    EXPECT_GT(on, 1000);
    EXPECT_GT(outside, 1000);
}

// Every curve, either sense, pickets rising or falling: a point counts as on the
// curve exactly when its radius lies in the swept sector, and its picket runs from
// PK_nk at the start to PK_kk at the end. The points keep 5 degrees from the radii.
TEST_F(CircularTrace, PointsOnTheSweptSectorOnly) {
    const double startsDeg[] = {0, 37, 181, 359.5};
    const double betasDeg[] = {-179, -150, -120.5, -90, -30, 30, 90, 120.5, 150, 179};
    int on = 0;
    for (double startDeg : startsDeg)
        for (double betaDeg : betasDeg)
            for (bool falling : {false, true}) {
                const double R = 250, length = R * std::fabs(betaDeg) * Degree;
                const double PK_nk = falling ? 2000 + length : 2000, PK_kk = falling ? 2000 : 2000 + length;
                SweepGeometry g{-321.5, 876.25, R, startDeg, betaDeg, PK_nk, PK_kk};
                for (double theta = 5; theta < 360; theta += 10) { // from the start in the sense of the curve
                    const double deg = startDeg + (betaDeg < 0 ? -theta : theta);
                    store.Reset();
                    CalculatorRun run = Run(SweepInputs(g, g.Yc + 0.9 * R * std::sin(deg * Degree),
                                                        g.Xc + 0.9 * R * std::cos(deg * Degree)));
                    const std::string where =
                        "start " + Exact(startDeg) + " beta " + Exact(betaDeg) + " theta " + Exact(theta);
                    const bool inSector = theta < std::fabs(betaDeg);
                    ASSERT_EQ(ReportsOutside(run), !inSector) << where;
                    if (!inSector) continue;
                    const double along = R * theta * Degree;
                    const double expected = falling ? PK_nk - along : PK_nk + along;
                    EXPECT_NEAR(ParseNumber(run.resultFields[IDC_PK_PZ].c_str()), expected, 1e-3) << where;
                    EXPECT_EQ(run.resultFields[IDC_D_PZ], "-24.8000") << where;
                    ++on;
                }
            }
    EXPECT_GT(on, 100);
}

} // namespace
