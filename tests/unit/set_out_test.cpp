// The three set-out calculators: whole reports to the character for worked
// examples and runs, the pickets of a run, and the property that defines them,
// over generated geometries: the trace of the same geometry, run on the point set
// out, gives back the picket and the offset, and pickets just beyond the element
// are outside for both.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "calculator_run.h"
#include "numeric/clothoid.h"
#include "resource_ids.h"
#include "set_out/set_out_calculators.h"
#include "elements/set_out_run.h"
#include "text/number_text.h"
#include "trace/trace_calculators.h"

namespace {

using SV = StoredValue;

// ---- Whole reports ----

const std::vector<int> StraightIdList = {IDC_PK_FIRST, IDC_Y_FIRST, IDC_X_FIRST, IDC_PK_SECOND, IDC_Y_SECOND, IDC_X_SECOND};
const std::vector<int> CurveIdList = {IDC_PK_FIRST, IDC_Y_FIRST, IDC_X_FIRST, IDC_PK_SECOND, IDC_Y_SECOND, IDC_X_SECOND,
                                      IDC_Y_CK,     IDC_X_CK,    IDC_R_KK,    IDC_Z,         IDC_Q};
const std::vector<int> SpiralIdList = {IDC_PK_FIRST, IDC_Y_FIRST, IDC_X_FIRST, IDC_PK_SECOND, IDC_Y_SECOND, IDC_X_SECOND,
                                       IDC_Y_CK,     IDC_X_CK,    IDC_R_KK,    IDC_L_SK,      IDC_Q};

struct ReportCase {
    const char* what;
    const Calculator& calculator;
    std::vector<int> geometryIds;
    std::vector<const char*> geometry; // typed in geometryIds
    std::array<const char*, 5> setOut; // name, PK, d, PK_to, step
    std::string report;                // everything appended, pieces in order
    const char* Y_so;
    const char* X_so;
};

// The geometry lines are those of the trace's input piece, without its "PZ:" line;
// the elements are the trace's element lines.
const std::string StraightHead = "\r\nSet out on linear trace\r\n"
                                 "\r\nPK0=0   Y0=0   X0=0\r\nPKn=100   Yn=0   Xn=100";
const std::string StraightElements = "\r\nApk= 0' 0' 0'   Lpk=100.0000\r\n";
const std::vector<const char*> StraightGeometry = {"0", "0", "0", "100", "0", "100"};

const std::string CircularHead = "\r\nSet out on circular crooked trace\r\n"
                                 "\r\nPK0=1000   Y0=0   X0=100\r\nPKn=1157.0796   Yn=100   Xn=0"
                                 "\r\nCENTR: Yck=0   Xck=0\r\nR=100   z=0   q=0";
const std::string CircularElements = "\r\nAnkk= 0' 0' 0'   Rnkk=100.0000\r\nAkkk= 90' 0' 0'   Rkkk=100.0000"
                                     "\r\nBeta= 90' 0' 0'   Lkk=157.0796\r\n";
const std::vector<const char*> CircularGeometry = {"1000", "0", "100", "1157.0796", "100", "0",
                                                   "0",    "0", "100", "0",         "0"};

const std::string SpiralHead = "\r\nSet out on connecting crooked (spiral) trace\r\n"
                               "\r\nPK_l=0   Y_l=0   X_l=0\r\nPK_nkk=100   Y_nkk=0   X_nkk=100"
                               "\r\nCENTR: Yck=100   Xck=100\r\nR_kk=100   L_sk=40   q=0.1";
const std::string SpiralElements =
    "\r\nApk= 0' 0' 0'   Lpk=100.0000\r\nRk=100.0000   !Right!\r\nC=4000.0000\r\na=20.1083   a1=19.7320"
    "\r\n(X)=39.8403   (Y)=2.6591\r\n(Z)=0.6793   (FI)= 11' 27' 32.96'\r\nPKnsk=79.8917   PKksk=119.8917\r\n";
const std::vector<const char*> SpiralGeometry = {"0", "0", "0", "100", "0", "100", "100", "100", "100", "40", "0.1"};

// Worked examples of the three traces turned round, runs, refusals and degenerate input.
const ReportCase ReportCases[] = {
    {"straight, one point", StraightSetOutCalculator, StraightIdList, StraightGeometry,
     {"P1", "30", "5", "0", "0"},
     StraightHead + "\r\nSO: P1   PK=30   d=5   PK_to=0   step=0\r\n" + StraightElements +
         "\r\nP1   PK=30.0000   d=5.0000   Y=5.0000   X=30.0000\r\n",
     "5.0000", "30.0000"},
    {"straight, a falling run beyond B that does not land on PK_to", StraightSetOutCalculator, StraightIdList,
     StraightGeometry, {"R", "110", "-2.5", "99", "-4"},
     StraightHead + "\r\nSO: R   PK=110   d=-2.5   PK_to=99   step=-4\r\n" + StraightElements +
         "\r\nR-1   PK=110.0000   d=-2.5000   Y=-2.5000   X=110.0000"
         "\r\nR-2   PK=106.0000   d=-2.5000   Y=-2.5000   X=106.0000"
         "\r\nR-3   PK=102.0000   d=-2.5000   Y=-2.5000   X=102.0000"
         "\r\nR-4   PK=99.0000   d=-2.5000   Y=-2.5000   X=99.0000\r\n",
     "-2.5000", "110.0000"},
    {"straight, a run of a blank name: its points named 1, 2, 3 (never -1, which reads as a number)",
     StraightSetOutCalculator, StraightIdList, StraightGeometry, {"", "0", "1", "8", "4"},
     StraightHead + "\r\nSO:    PK=0   d=1   PK_to=8   step=4\r\n" + StraightElements +
         "\r\n1   PK=0.0000   d=1.0000   Y=1.0000   X=0.0000"
         "\r\n2   PK=4.0000   d=1.0000   Y=1.0000   X=4.0000"
         "\r\n3   PK=8.0000   d=1.0000   Y=1.0000   X=8.0000\r\n",
     "1.0000", "0.0000"},
    {"straight, a run of more than 10000 points", StraightSetOutCalculator, StraightIdList, StraightGeometry,
     {"P", "0", "1", "10000", "1"},
     StraightHead + "\r\nSO: P   PK=0   d=1   PK_to=10000   step=1\r\n" + StraightElements +
         "\r\n!Run of more than 10000 points: none set out!\r\n",
     "0.0000", "0.0000"},
    {"straight, A and B at one place", StraightSetOutCalculator, StraightIdList, {"0", "3", "4", "10", "3", "4"},
     {"N", "5", "1", "0", "0"},
     "\r\nSet out on linear trace\r\n\r\nPK0=0   Y0=3   X0=4\r\nPKn=10   Yn=3   Xn=4"
     "\r\nSO: N   PK=5   d=1   PK_to=0   step=0\r\n\r\nApk= 90' 0' 0'   Lpk=0.0000\r\n"
     "\r\nN   PK=5.0000   d=1.0000   Y=NAN   X=NAN\r\n",
     "NAN", "NAN"},
    {"circular, the worked example's point", CircularSetOutCalculator, CurveIdList, CircularGeometry,
     {"P2", "1078.5398", "2", "0", "0"},
     CircularHead + "\r\nSO: P2   PK=1078.5398   d=2   PK_to=0   step=0\r\n" + CircularElements +
         "\r\nP2   PK=1078.5398   d=2.0000   Y=72.1249   X=72.1249\r\n",
     "72.1249", "72.1249"},
    {"circular, a run from before the start to beyond the end", CircularSetOutCalculator, CurveIdList,
     CircularGeometry, {"C", "990", "2", "1170", "90"},
     CircularHead + "\r\nSO: C   PK=990   d=2   PK_to=1170   step=90\r\n" + CircularElements +
         "\r\nC-1   PK=990.0000   !Picket outside of circular crooked!"
         "\r\nC-2   PK=1080.0000   d=2.0000   Y=73.1703   X=71.0641"
         "\r\nC-3   PK=1170.0000   !Picket outside of circular crooked!\r\n",
     "0.0000", "0.0000"},
    {"circular, an offset through the centre", CircularSetOutCalculator, CurveIdList, CircularGeometry,
     {"P2", "1078.5398", "-101", "0", "0"},
     CircularHead + "\r\nSO: P2   PK=1078.5398   d=-101   PK_to=0   step=0\r\n" + CircularElements +
         "\r\nP2   PK=1078.5398   d=-101.0000   !Offset beyond the centre of circular crooked!\r\n",
     "0.0000", "0.0000"},
    {"circular, a zero radius", CircularSetOutCalculator, CurveIdList,
     {"1000", "0", "100", "1157.0796", "100", "0", "0", "0", "0", "0", "0"}, {"P2", "1078.5398", "2", "0", "0"},
     "\r\nSet out on circular crooked trace\r\n\r\nPK0=1000   Y0=0   X0=100\r\nPKn=1157.0796   Yn=100   Xn=0"
     "\r\nCENTR: Yck=0   Xck=0\r\nR=0   z=0   q=0\r\nSO: P2   PK=1078.5398   d=2   PK_to=0   step=0\r\n"
     "\r\nAnkk= 0' 0' 0'   Rnkk=100.0000\r\nAkkk= 90' 0' 0'   Rkkk=100.0000\r\nBeta= 90' 0' 0'   "
     "Lkk=0.0000\r\n"
     "\r\nP2   PK=1078.5398   d=2.0000   Y=NAN   X=NAN\r\n",
     "NAN", "NAN"},
    {"spiral, the worked example's point", SpiralSetOutCalculator, SpiralIdList, SpiralGeometry,
     {"S7", "100.0933", "1.6084", "0", "0"},
     SpiralHead + "\r\nSO: S7   PK=100.0933   d=1.6084   PK_to=0   step=0\r\n" + SpiralElements +
         "\r\nS7   PK=100.0933   d=1.6084   Y=2.0000   X=100.0000\r\n",
     "2.0000", "100.0000"},
    {"spiral, a run from just before NSK to just beyond its last picket", SpiralSetOutCalculator, SpiralIdList,
     SpiralGeometry, {"S", "79.8917", "-0.5", "120", "20"},
     SpiralHead + "\r\nSO: S   PK=79.8917   d=-0.5   PK_to=120   step=20\r\n" + SpiralElements +
         "\r\nS-1   PK=79.8917   !Picket outside of connecting crooked!"
         "\r\nS-2   PK=99.8917   d=-0.5000   Y=-0.1163   X=99.9059"
         "\r\nS-3   PK=119.8917   d=-0.5000   Y=2.2458   X=119.7079"
         "\r\nS-4   PK=120.0000   !Picket outside of connecting crooked!\r\n",
     "0.0000", "0.0000"},
};

class SetOut : public CalculatorTest {
  protected:
    CalculatorRun Run(const ReportCase& c) {
        std::map<int, std::string> typed;
        for (std::size_t i = 0; i < c.geometry.size(); ++i) typed[c.geometryIds[i]] = c.geometry[i];
        const int setOutIds[] = {IDC_PZ_NAME, IDC_PK_SO, IDC_D_SO, IDC_PK_TO, IDC_STEP};
        for (int i = 0; i < 5; ++i) typed[setOutIds[i]] = c.setOut[i];
        return RunCalculator(c.calculator, store, typed);
    }
};

TEST_F(SetOut, WholeReports) {
    for (const ReportCase& c : ReportCases) {
        store.Reset();
        store[SV::Y_pz] = -1;
        CalculatorRun run = Run(c);
        EXPECT_EQ(run.report, c.report) << c.what;
        EXPECT_EQ(run.resultFields[IDC_Y_SO], c.Y_so) << c.what;
        EXPECT_EQ(run.resultFields[IDC_X_SO], c.X_so) << c.what;
        // The first point set out becomes PZ; one not set out (the fields show 0 in
        // these cases only) leaves PZ as it was.
        const bool firstSetOut = std::string(c.Y_so) != "0.0000";
        EXPECT_EQ(LinearText(store[SV::Y_pz]), firstSetOut ? c.Y_so : "-1.0000") << c.what;
        EXPECT_EQ(LinearText(store[SV::X_pz]), firstSetOut ? c.X_so : "0.0000") << c.what;
    }
}

// ---- The pickets of a run ----

TEST(RunPickets, Cases) {
    struct Case {
        const char* what;
        double PK, PK_to, step;
        std::vector<double> pickets;
    } cases[] = {
        {"step 0: PK alone", 5, 100, 0, {5}},
        {"landing on PK_to", 0, 10, 2.5, {0, 2.5, 5, 7.5, 10}},
        {"PK_to added as the last point", 0, 10, 4, {0, 4, 8, 10}},
        {"falling, the step's sign does not matter", 10, 0, 4, {10, 6, 2, 0}},
        {"a step larger than the run", 0, 1, 5, {0, 1}},
        {"PK_to at PK", 3, 3, 1, {3}},
        // 0.3 / 0.1 rounds to 2.9999999999999996: the run still lands, within 1e-9.
        {"a quotient rounded one step short", 0, 0.3, -0.1, {0, 0.1, 0.2, 3 * 0.1}},
        {"each picket from PK, not a running sum", 1000, 1001, 0.1,
         {1000, 1000 + 1 * 0.1, 1000 + 2 * 0.1, 1000 + 3 * 0.1, 1000 + 4 * 0.1, 1000 + 5 * 0.1, 1000 + 6 * 0.1,
          1000 + 7 * 0.1, 1000 + 8 * 0.1, 1000 + 9 * 0.1, 1000 + 10 * 0.1}},
    };
    for (const Case& c : cases) {
        SetOutPickets run = RunPickets(c.PK, c.PK_to, c.step);
        EXPECT_FALSE(run.tooLong) << c.what;
        EXPECT_EQ(run.pickets, c.pickets) << c.what;
    }
    EXPECT_EQ(RunPickets(0, 9999, 1).pickets.size(), 10000u);
    EXPECT_EQ(RunPickets(0, 9998.5, 1).pickets.size(), 10000u);
    for (double PK_to : {10000.0, 9999.5, 1e300, HUGE_VAL}) {
        SetOutPickets run = RunPickets(0, PK_to, 1);
        EXPECT_TRUE(run.tooLong && run.pickets.empty()) << PK_to;
    }
    EXPECT_TRUE(RunPickets(0, 1, 1e-300).tooLong);
    EXPECT_EQ(RunPickets(2, 7, NAN).pickets.size(), 2u); // a run of no length: its two ends
}

// ---- The trace of each point set out gives back its picket and offset ----

// Deterministic uniform numbers, the same natively and under Wine.
class Generator {
  public:
    explicit Generator(std::uint64_t seed) : engine_(seed) {}
    double Uniform(double low, double high) {
        return low + (high - low) * static_cast<double>(engine_() >> 11) * 0x1p-53;
    }
    double Sign() { return engine_() & 1 ? 1.0 : -1.0; }

  private:
    std::mt19937_64 engine_;
};

constexpr double Tolerance = 1e-6;
constexpr int Geometries = 200;
const double Fractions[] = {0, 1e-9, 0.1, 0.25, 0.5, 0.75, 0.9, 1 - 1e-9, 1};

class SetOutProperty : public CalculatorTest {
  protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        LinearDecimals = MaxLinearDecimals;
    }
    // Sets out one point; true when it was set out, its coordinates then being PZ.
    bool SetOutOne(const Calculator& setOut, double PK, double d) {
        store[SV::PK_so] = PK;
        store[SV::d_so] = d;
        store[SV::step] = 0;
        CalculationOutput out = setOut.compute(store);
        return out.resultPieces.back().find('!') == std::string::npos;
    }
    // The trace of PZ; false when it finds PZ outside (or unresolved).
    bool Trace(const Calculator& trace, double& PK, double& d) {
        CalculationOutput out = trace.compute(store);
        std::map<int, std::string> fields(out.resultFields.begin(), out.resultFields.end());
        PK = ParseNumber(fields[IDC_PK_PZ].c_str());
        d = ParseNumber(fields[IDC_D_PZ].c_str());
        return out.resultPieces.back().find('!') == std::string::npos;
    }
    // Sets out (PK, d) and traces it back.
    void ExpectRoundTrip(const Calculator& setOut, const Calculator& trace, double PK, double d,
                         const std::string& what) {
        ASSERT_TRUE(SetOutOne(setOut, PK, d)) << what << " PK " << PK;
        double tracedPK = 0, tracedD = 0;
        ASSERT_TRUE(Trace(trace, tracedPK, tracedD)) << what << " PK " << PK << " d " << d;
        EXPECT_NEAR(tracedPK, PK, Tolerance) << what << " d " << d;
        EXPECT_NEAR(tracedD, d, Tolerance) << what << " PK " << PK;
    }
    // A point of a national grid, far from the origin as real coordinates are.
    void StorePoint(SV Y, SV X, double y, double x) {
        store[Y] = y;
        store[X] = x;
    }
};

TEST_F(SetOutProperty, Straight) {
    Generator g(8);
    for (int i = 0; i < Geometries; ++i) {
        const double Y_A = g.Uniform(4e5, 6e5), X_A = g.Uniform(5e6, 6e6), alpha = g.Uniform(0, 6.3);
        const double length = g.Uniform(50, 2000), s = g.Sign();
        store[SV::PK_A] = g.Uniform(0, 1e5);
        store[SV::PK_B] = store[SV::PK_A] + s * (length + g.Uniform(-0.5, 0.5)); // with a misclosure
        StorePoint(SV::Y_A, SV::X_A, Y_A, X_A);
        StorePoint(SV::Y_B, SV::X_B, Y_A + length * std::sin(alpha), X_A + length * std::cos(alpha));
        // The straight runs on beyond A and B.
        for (double t : {-0.2, 0.0, 0.3, 1.0, 1.2}) {
            const double PK = store[SV::PK_A] + t * (store[SV::PK_B] - store[SV::PK_A]);
            ExpectRoundTrip(StraightSetOutCalculator, StraightTraceCalculator, PK, g.Uniform(-10, 10),
                            "straight " + std::to_string(i));
        }
    }
}

TEST_F(SetOutProperty, CircularCurve) {
    Generator g(9);
    for (int i = 0; i < Geometries; ++i) {
        const double Y_ck = g.Uniform(4e5, 6e5), X_ck = g.Uniform(5e6, 6e6), R = g.Uniform(300, 3000);
        const double Ankk = g.Uniform(0, 6.28), Beta = g.Sign() * g.Uniform(0.02, 3.0), s = g.Sign();
        const std::string what = "curve " + std::to_string(i);
        StorePoint(SV::Y_ck, SV::X_ck, Y_ck, X_ck);
        StorePoint(SV::Y_A, SV::X_A, Y_ck + R * std::sin(Ankk), X_ck + R * std::cos(Ankk));
        StorePoint(SV::Y_B, SV::X_B, Y_ck + R * std::sin(Ankk + Beta), X_ck + R * std::cos(Ankk + Beta));
        store[SV::R_kk] = R;
        store[SV::z_trace] = g.Uniform(-1, 1);
        store[SV::q] = g.Uniform(-0.3, 0.3);
        store[SV::PK_A] = g.Uniform(0, 1e5);
        store[SV::PK_B] = store[SV::PK_A] + s * (R * std::abs(Beta) + g.Uniform(-0.5, 0.5));
        // The element's pickets: those the trace gives the start and the end.
        double startPK = 0, endPK = 0, d = 0;
        StorePoint(SV::Y_pz, SV::X_pz, store[SV::Y_A], store[SV::X_A]);
        ASSERT_TRUE(Trace(CircularTraceCalculator, startPK, d)) << what;
        StorePoint(SV::Y_pz, SV::X_pz, store[SV::Y_B], store[SV::X_B]);
        ASSERT_TRUE(Trace(CircularTraceCalculator, endPK, d)) << what;
        // The trace writes them to 1e-7, and its sector test has only a margin of
        // rounding: the first and last pickets are taken 1e-7 inside.
        const double first = startPK + s * 1e-7, last = endPK - s * 1e-7;
        for (double t : Fractions)
            ExpectRoundTrip(CircularSetOutCalculator, CircularTraceCalculator, first + t * (last - first),
                            g.Uniform(-10, 10), what);
        EXPECT_FALSE(SetOutOne(CircularSetOutCalculator, startPK - s * Tolerance, 0)) << what;
        EXPECT_FALSE(SetOutOne(CircularSetOutCalculator, endPK + s * Tolerance, 0)) << what;
        // Points just behind the start radius and beyond the end radius.
        const double margin = Tolerance / R;
        for (double angle : {Ankk - (Beta < 0 ? -margin : margin), Ankk + Beta + (Beta < 0 ? -margin : margin)}) {
            StorePoint(SV::Y_pz, SV::X_pz, Y_ck + (R + 2) * std::sin(angle), X_ck + (R + 2) * std::cos(angle));
            EXPECT_FALSE(Trace(CircularTraceCalculator, d, d)) << what;
        }
    }
}

TEST_F(SetOutProperty, Spiral) {
    Generator g(10);
    for (int i = 0; i < Geometries; ++i) {
        const double alpha = g.Uniform(0, 6.3), length = g.Uniform(100, 500), s = g.Sign(), sigma = g.Sign();
        const double R = g.Uniform(300, 3000), L_sk = g.Uniform(20, 150);
        const double sinA = std::sin(alpha), cosA = std::cos(alpha);
        const std::string what = "spiral " + std::to_string(i);
        const double Y_l = g.Uniform(4e5, 6e5), X_l = g.Uniform(5e6, 6e6);
        const double Y_nkk = Y_l + length * sinA, X_nkk = X_l + length * cosA;
        StorePoint(SV::Y_lin, SV::X_lin, Y_l, X_l);
        StorePoint(SV::Y_A, SV::X_A, Y_nkk, X_nkk);
        // The centre to the right (sigma +1) or the left of the straight.
        StorePoint(SV::Y_ck, SV::X_ck, Y_nkk + sigma * R * cosA, X_nkk - sigma * R * sinA);
        store[SV::PK_line] = g.Uniform(0, 1e5);
        store[SV::PK_A] = store[SV::PK_line] + s * length;
        store[SV::R_kk] = R;
        store[SV::L_sk] = L_sk;
        store[SV::q] = g.Uniform(-0.3, 0.3);
        SetOutOne(SpiralSetOutCalculator, 0, 0); // stores PKnsk and C
        const double PKnsk = store[SV::PKnsk], C = store[SV::C];
        // The trace's region test has no margin and the coordinates of a point on the
        // normal at NSK or KSK round to either side of it: the ends are taken 1e-7 inside.
        for (double t : Fractions)
            ExpectRoundTrip(SpiralSetOutCalculator, SpiralTraceCalculator,
                            PKnsk + s * SpiralPicketLength(1e-7 + t * (L_sk - 2e-7), C), g.Uniform(-10, 10), what);
        EXPECT_FALSE(SetOutOne(SpiralSetOutCalculator, PKnsk - s * Tolerance, 0)) << what;
        EXPECT_FALSE(SetOutOne(SpiralSetOutCalculator, PKnsk + s * (SpiralPicketLength(L_sk, C) + Tolerance), 0))
            << what;
        // Points just before NSK along the straight, and just beyond KSK along the spiral's tangent there.
        double PK = 0, d = 0;
        ASSERT_TRUE(SetOutOne(SpiralSetOutCalculator, PKnsk, 1.5)) << what;
        StorePoint(SV::Y_pz, SV::X_pz, store[SV::Y_pz] - Tolerance * sinA, store[SV::X_pz] - Tolerance * cosA);
        EXPECT_FALSE(Trace(SpiralTraceCalculator, PK, d)) << what;
        ASSERT_TRUE(SetOutOne(SpiralSetOutCalculator, PKnsk + s * SpiralPicketLength(L_sk, C), 1.5)) << what;
        const double FI = L_sk / (2 * R), along = std::cos(FI), across = sigma * std::sin(FI);
        StorePoint(SV::Y_pz, SV::X_pz, store[SV::Y_pz] + Tolerance * (along * sinA + across * cosA),
                   store[SV::X_pz] + Tolerance * (along * cosA - across * sinA));
        EXPECT_FALSE(Trace(SpiralTraceCalculator, PK, d)) << what;
    }
}

} // namespace
