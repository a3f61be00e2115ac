// The transition spiral trace driven as its dialog drives it: the whole report
// (inputs, spiral elements, the point) and both result fields compared to the
// character; the region test and the foot-point iteration on their own.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "calculator_run.h"
#include "geometry/spiral_foot_point.h"
#include "numeric/number_formats.h"
#include "numeric/precision_settings.h"
#include "rail/rail_level_calculators.h"
#include "resource_ids.h"
#include "trace/trace_calculators.h"

namespace {

// Field texts in reading order: PK_line, Y_lin, X_lin, PK_nkk, Y_nkk, X_nkk,
// Y_ck, X_ck, R_kk, L_sk, q, name, Y_pz, X_pz.
using SpiralInputs = std::array<const char*, 14>;

constexpr std::array<int, 14> SpiralFieldIds = {
    IDC_PK_FIRST, IDC_Y_FIRST, IDC_X_FIRST, IDC_PK_SECOND, IDC_Y_SECOND, IDC_X_SECOND, IDC_Y_CK,
    IDC_X_CK,     IDC_R_KK,    IDC_L_SK,    IDC_Q,         IDC_PZ_NAME,  IDC_Y_PZ,     IDC_X_PZ};

// The expected input piece: the title and the five lines of typed texts.
std::string InputPiece(const SpiralInputs& t) {
    return std::string("\r\nCalculation on connecting crooked (spiral) trace\r\n") + "\r\nPK_l=" + t[0] +
           "   Y_l=" + t[1] + "   X_l=" + t[2] + "\r\nPK_nkk=" + t[3] + "   Y_nkk=" + t[4] +
           "   X_nkk=" + t[5] + "\r\nCENTR: Yck=" + t[6] + "   Xck=" + t[7] + "\r\nR_kk=" + t[8] +
           "   L_sk=" + t[9] + "   q=" + t[10] + "\r\nPZ: " + t[11] + "   Ypz=" + t[12] + "   Xpz=" + t[13] +
           "\r\n";
}

// The spiral elements of the worked example (R_kk 100, L_sk 40, the straight along
// +X, NKK at picket 100): centre on the right or the left, pickets rising or falling.
std::string Elements(const char* side, const char* pickets) {
    return std::string("\r\nApk= 0' 0' 0'   Lpk=100.0000\r\nRk=100.0000") + side +
           "\r\nC=4000.0000\r\na=20.1083   a1=19.7320\r\n(X)=39.8403   (Y)=2.6591"
           "\r\n(Z)=0.6793   (FI)= 11' 27' 32.96'\r\n" +
           pickets + "\r\n";
}
const std::string RightRising = Elements("   !Right!", "PKnsk=79.8917   PKksk=119.8917");
const std::string LeftRising = Elements("   !Left!", "PKnsk=79.8917   PKksk=119.8917");
const std::string RightFalling = Elements("   !Right!", "PKnsk=120.1083   PKksk=80.1083");

// The worked example's foot point, the same for every mirror and picket sense.
const std::string ExampleFoot = "\r\n(x)pz=20.1083   (y)pz=2.0000"
                                "\r\n(x0)pz=20.1928   (y0)pz=0.3433"
                                "\r\nLpz=20.1981   (Lpk)pz=20.2016   qpz=0.0505";

// The spiral's start distance a of the worked example, typed with every digit so
// that a point placed a before NKK (at the origin) lies exactly on the normal at NSK.
constexpr const char* MinusA = "-20.108283597883595";

class SpiralTrace : public CalculatorTest {
  protected:
    // The text a field of another dialog shows when that dialog opens now.
    std::string OpeningText(const Calculator& calculator, int controlId) {
        for (const CalculatorField& f : calculator.fields)
            if (f.controlId == controlId) return FieldOpeningText(f, store);
        return "(no such field)";
    }
    CalculatorRun Run(const SpiralInputs& typed) { return RunTyped(SpiralTraceCalculator, SpiralFieldIds, typed); }
};

TEST_F(SpiralTrace, WorkedExampleWholeReport) {
    CalculatorRun run =
        Run({"0", "0", "0", "100", "0", "100", "100", "100", "100", "40", "0.1", "S7", "2", "100"});
    EXPECT_EQ(run.report, "\r\nCalculation on connecting crooked (spiral) trace\r\n"
                          "\r\nPK_l=0   Y_l=0   X_l=0"
                          "\r\nPK_nkk=100   Y_nkk=0   X_nkk=100"
                          "\r\nCENTR: Yck=100   Xck=100"
                          "\r\nR_kk=100   L_sk=40   q=0.1"
                          "\r\nPZ: S7   Ypz=2   Xpz=100\r\n"
                          "\r\nApk= 0' 0' 0'   Lpk=100.0000"
                          "\r\nRk=100.0000   !Right!"
                          "\r\nC=4000.0000"
                          "\r\na=20.1083   a1=19.7320"
                          "\r\n(X)=39.8403   (Y)=2.6591"
                          "\r\n(Z)=0.6793   (FI)= 11' 27' 32.96'"
                          "\r\nPKnsk=79.8917   PKksk=119.8917\r\n"
                          "\r\n(x)pz=20.1083   (y)pz=2.0000"
                          "\r\n(x0)pz=20.1928   (y0)pz=0.3433"
                          "\r\nLpz=20.1981   (Lpk)pz=20.2016   qpz=0.0505\r\n"
                          "\r\nPKpz=100.0933   Dpz=1.6084\r\n");
    EXPECT_EQ(run.resultFields[IDC_PK_PZ], "100.0933");
    EXPECT_EQ(run.resultFields[IDC_D_PZ], "1.6084");
    EXPECT_EQ(run.resultFields.size(), 2u);
}

struct SpiralCase {
    const char* what;
    SpiralInputs typed;
    std::string elements;   // report block 2
    std::string pointBlock; // report block 3
    const char* pk_pz;
    const char* d_pz;
};

const SpiralCase SpiralCases[] = {
    {"mirrored: centre and point on the left",
     {"0", "0", "0", "100", "0", "100", "-100", "100", "100", "40", "0.1", "S7", "-2", "100"},
     LeftRising,
     ExampleFoot + "\r\n\r\nPKpz=100.0933   Dpz=-1.6084\r\n",
     "100.0933",
     "-1.6084"},
    {"pickets falling toward NKK",
     {"200", "0", "0", "100", "0", "100", "100", "100", "100", "40", "0.1", "S7", "2", "100"},
     RightFalling,
     ExampleFoot + "\r\n\r\nPKpz=99.9067   Dpz=-1.6084\r\n",
     "99.9067",
     "-1.6084"},
    {"equal pickets of L and NKK count as rising",
     {"100", "0", "0", "100", "0", "100", "100", "100", "100", "40", "0.1", "S7", "2", "100"},
     RightRising,
     ExampleFoot + "\r\n\r\nPKpz=100.0933   Dpz=1.6084\r\n",
     "100.0933",
     "1.6084"},
    {"centre on the straight counts as right",
     {"0", "0", "0", "100", "0", "100", "0", "200", "100", "40", "0.1", "S7", "2", "100"},
     RightRising,
     ExampleFoot + "\r\n\r\nPKpz=100.0933   Dpz=1.6084\r\n",
     "100.0933",
     "1.6084"},
    {"outside before NSK",
     {"0", "0", "0", "100", "0", "100", "100", "100", "100", "40", "0.1", "S7", "2", "70"},
     RightRising,
     "\r\n(x)pz=-9.8917   (y)pz=2.0000\r\n!Point outside of connecting crooked!\r\n(x0)pz = NSK-9.8917\r\n",
     "0.0000",
     "0.0000"},
    {"outside beyond KSK",
     {"0", "0", "0", "100", "0", "100", "100", "100", "100", "40", "0.1", "S7", "2", "150"},
     RightRising,
     "\r\n(x)pz=70.1083   (y)pz=2.0000\r\n!Point outside of connecting crooked!\r\n(x0)pz = KSK+30.1344\r\n",
     "0.0000",
     "0.0000"},
    {"far toward the centre: before NSK and beyond the normal at KSK at once",
     {"0", "0", "0", "100", "0", "100", "100", "100", "100", "40", "0.1", "S7", "300", "70"},
     RightRising,
     "\r\n(x)pz=-9.8917   (y)pz=300.0000\r\n!Point outside of connecting crooked!"
     "\r\n(x0)pz = NSK-9.8917\r\n(x0)pz = KSK+10.5420\r\n",
     "0.0000",
     "0.0000"},
    {"PZ exactly at NSK",
     {"0", "0", "-100", "100", "0", "0", "100", "0", "100", "40", "0.1", "S7", "0", MinusA},
     RightRising,
     "\r\n(x)pz=0.0000   (y)pz=0.0000\r\n(x0)pz=0.0000   (y0)pz=0.0000"
     "\r\nLpz=0.0000   (Lpk)pz=0.0000   qpz=0.0000\r\n\r\nPKpz=79.8917   Dpz=0.0000\r\n",
     "79.8917",
     "0.0000"},
    {"PZ on the normal at NSK",
     {"0", "0", "-100", "100", "0", "0", "100", "0", "100", "40", "0.1", "S7", "0.5", MinusA},
     RightRising,
     "\r\n(x)pz=0.0000   (y)pz=0.5000\r\n(x0)pz=0.0000   (y0)pz=0.0000"
     "\r\nLpz=0.0000   (Lpk)pz=0.0000   qpz=0.0000\r\n\r\nPKpz=79.8917   Dpz=0.5000\r\n",
     "79.8917",
     "0.5000"},
    // 300 off the spiral on its outer side: the passes swing about the foot point
    // and narrow too slowly to settle within the bound.
    {"iteration does not settle",
     {"0", "0", "0", "100", "0", "100", "100", "100", "100", "40", "0.1", "S7", "-300", "96"},
     RightRising,
     "\r\n(x)pz=16.1083   (y)pz=-300.0000\r\n!Point not resolved on connecting crooked!\r\n",
     "0.0000",
     "0.0000"},
    // 5000 off on the outer side: the passes run away to infinity within a few.
    {"iteration runs to a value that is not finite",
     {"0", "0", "0", "100", "0", "100", "100", "100", "100", "40", "0.1", "S7", "-5000", "100"},
     RightRising,
     "\r\n(x)pz=20.1083   (y)pz=-5000.0000\r\n!Point not resolved on connecting crooked!\r\n",
     "0.0000",
     "0.0000"},
};

TEST_F(SpiralTrace, CasesWholeReport) {
    for (const SpiralCase& c : SpiralCases) {
        SCOPED_TRACE(c.what);
        store.Reset();
        CalculatorRun run = Run(c.typed);
        EXPECT_EQ(run.report, InputPiece(c.typed) + c.elements + c.pointBlock);
        EXPECT_EQ(run.resultFields[IDC_PK_PZ], c.pk_pz);
        EXPECT_EQ(run.resultFields[IDC_D_PZ], c.d_pz);
    }
}

// Degenerate inputs divide by zero: the words FormatFixed and FormatDms write for
// values that are not finite go into the report, a NaN point is outside with
// neither end named, and the fields show 0.
struct DegenerateCase {
    const char* what;
    SpiralInputs typed;
    std::string report; // blocks 2 and 3
};

const DegenerateCase DegenerateCases[] = {
    {"L and NKK at one place",
     {"0", "0", "100", "100", "0", "100", "100", "100", "100", "40", "0.1", "S7", "2", "100"},
     "\r\nApk= 90' 0' 0'   Lpk=0.0000\r\nRk=100.0000   !Right!\r\nC=4000.0000\r\na=20.1083   a1=19.7320"
     "\r\n(X)=39.8403   (Y)=2.6591\r\n(Z)=0.6793   (FI)= 11' 27' 32.96'\r\nPKnsk=79.8917   PKksk=119.8917\r\n"
     "\r\n(x)pz=NAN   (y)pz=NAN\r\n!Point outside of connecting crooked!\r\n"},
    {"zero radius",
     {"0", "0", "0", "100", "0", "100", "100", "100", "0", "40", "0.1", "S7", "2", "100"},
     "\r\nApk= 0' 0' 0'   Lpk=100.0000\r\nRk=100.0000   !Right!\r\nC=0.0000\r\na=INF   a1=-INF"
     "\r\n(X)=NAN   (Y)=NAN\r\n(Z)=INF   (FI)=INF\r\nPKnsk=-INF   PKksk=-INF\r\n"
     "\r\n(x)pz=INF   (y)pz=2.0000\r\n!Point outside of connecting crooked!\r\n"},
    {"zero spiral length",
     {"0", "0", "0", "100", "0", "100", "100", "100", "100", "0", "0.1", "S7", "2", "100"},
     "\r\nApk= 0' 0' 0'   Lpk=100.0000\r\nRk=100.0000   !Right!\r\nC=0.0000\r\na=NAN   a1=NAN"
     "\r\n(X)=NAN   (Y)=NAN\r\n(Z)=NAN   (FI)=NAN\r\nPKnsk=NAN   PKksk=NAN\r\n"
     "\r\n(x)pz=NAN   (y)pz=2.0000\r\n!Point outside of connecting crooked!\r\n"},
    {"every field 0, the name empty",
     {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "", "0", "0"},
     "\r\nApk= 90' 0' 0'   Lpk=0.0000\r\nRk=0.0000   !Right!\r\nC=0.0000\r\na=NAN   a1=NAN"
     "\r\n(X)=NAN   (Y)=NAN\r\n(Z)=NAN   (FI)=NAN\r\nPKnsk=NAN   PKksk=NAN\r\n"
     "\r\n(x)pz=NAN   (y)pz=NAN\r\n!Point outside of connecting crooked!\r\n"},
};

TEST_F(SpiralTrace, DegenerateInputsReportNonFiniteValues) {
    for (const DegenerateCase& c : DegenerateCases) {
        SCOPED_TRACE(c.what);
        store.Reset();
        CalculatorRun run = Run(c.typed);
        EXPECT_EQ(run.report, InputPiece(c.typed) + c.report);
        EXPECT_EQ(run.resultFields[IDC_PK_PZ], "0.0000");
        EXPECT_EQ(run.resultFields[IDC_D_PZ], "0.0000");
    }
}

// C, PKnsk and (Z) are kept on every CALC, whatever becomes of PZ, and the other
// dialogs offer them at their next opening.
TEST_F(SpiralTrace, KeepsSpiralElementsForTheOtherDialogs) {
    const struct {
        const char* what;
        const char* Y_pz;
        const char* X_pz;
    } points[] = {{"inside", "2", "100"}, {"outside", "2", "150"}, {"not resolved", "-300", "96"}};
    for (const auto& p : points) {
        SCOPED_TRACE(p.what);
        store.Reset();
        Run({"200", "0", "0", "100", "0", "100", "100", "100", "100", "40", "0.1", "S7", p.Y_pz, p.X_pz});
        EXPECT_EQ(store[StoredValue::C], 4000.0);
        EXPECT_EQ(FormatFixed(store[StoredValue::PKnsk], 4), std::string("120.1083"));
        EXPECT_EQ(OpeningText(SpiralRailLevelCalculator, IDC_PKNSK), "120.1083");
        EXPECT_EQ(OpeningText(SpiralRailLevelCalculator, IDC_C), "4000.0000");
        EXPECT_EQ(OpeningText(CircularTraceCalculator, IDC_Z), "0.6793");
    }
}

// NKK's row is the first point of the other traces; L's row is the spiral's own.
TEST_F(SpiralTrace, SharesNkkRowWithTheFirstPointOfTheOtherTraces) {
    Run({"7", "8", "9", "100", "11", "12", "100", "100", "100", "40", "0.1", "S7", "2", "100"});
    EXPECT_EQ(store[StoredValue::PK_A], 100.0);
    EXPECT_EQ(store[StoredValue::Y_A], 11.0);
    EXPECT_EQ(store[StoredValue::X_A], 12.0);
    EXPECT_EQ(store[StoredValue::PK_line], 7.0);
    EXPECT_EQ(store[StoredValue::Y_lin], 8.0);
    EXPECT_EQ(store[StoredValue::X_lin], 9.0);
    EXPECT_EQ(store.Name(StoredName::PZ), "S7");
    EXPECT_EQ(OpeningText(StraightTraceCalculator, IDC_PK_FIRST), "100.0000");
    EXPECT_EQ(OpeningText(StraightTraceCalculator, IDC_X_FIRST), "12.0000");
    EXPECT_EQ(OpeningText(SpiralTraceCalculator, IDC_PK_SECOND), "100.0000");
    EXPECT_EQ(OpeningText(SpiralTraceCalculator, IDC_PK_FIRST), "7.0000");
}

TEST(SpiralStretch, BoundsIncludedNaNOutside) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double x, xLimit;
        bool on;
    } cases[] = {
        {0, 39.97, true},
        {-0.0, 39.97, true},
        {39.97, 39.97, true},
        {-1e-12, 39.97, false},
        {std::nextafter(39.97, 40.0), 39.97, false},
        {nan, 39.97, false},
        {5, nan, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsOnSpiralStretch(c.x, c.xLimit), c.on) << c.x << " against " << c.xLimit;
}

// The worked example's x (exactly a) and y, with C = 4000.
TEST(SpiralFootPointSearch, WorkedExampleSettlesInFourPasses) {
    SpiralFootPoint foot = FindSpiralFootPoint(20.108283597883595, 2, 4000);
    EXPECT_TRUE(foot.settled);
    EXPECT_EQ(foot.passes, 4);
    EXPECT_NEAR(foot.l, 20.1981, 5e-5);
    EXPECT_NEAR(foot.d, 1.6589, 5e-5); // Dpz 1.6084 plus qpz 0.0505
}

TEST(SpiralFootPointSearch, StopsAtTheBoundOrOnANonFiniteValue) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* what;
        double x, y;
        bool settled;
        int minPasses, maxPasses;
        bool finite;
    } cases[] = {
        {"at NSK", 0, 0, true, 1, 1, true},
        {"on the normal at NSK", 0, 0.5, true, 1, 1, true},
        {"300 off on the outer side", 16.108283597883595, -300, false, MaxFootPointPasses, MaxFootPointPasses,
         true},
        {"5000 off on the outer side", 20.108283597883595, -5000, false, 1, MaxFootPointPasses - 1, false},
        {"NaN ordinate", 10, nan, false, 1, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SpiralFootPoint foot = FindSpiralFootPoint(c.x, c.y, 4000);
        EXPECT_EQ(foot.settled, c.settled);
        EXPECT_GE(foot.passes, c.minPasses);
        EXPECT_LE(foot.passes, c.maxPasses);
        EXPECT_EQ(std::isfinite(foot.l) && std::isfinite(foot.d), c.finite);
    }
    // On the normal at NSK the foot point is NSK and d is the offset itself.
    SpiralFootPoint normal = FindSpiralFootPoint(0, 0.5, 4000);
    EXPECT_EQ(normal.l, 0.0);
    EXPECT_EQ(normal.d, 0.5);
}

} // namespace
