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
#include "text/number_text.h"
#include "trace/set_out_run.h"

namespace {

using SV = StoredValue;

// ---- Whole reports ----

constexpr std::array<int, 6> StraightIds = {IDC_PK_FIRST,  IDC_Y_FIRST,  IDC_X_FIRST,
                                            IDC_PK_SECOND, IDC_Y_SECOND, IDC_X_SECOND};
constexpr std::array<int, 11> CurveIds = {IDC_PK_FIRST, IDC_Y_FIRST, IDC_X_FIRST, IDC_PK_SECOND,
                                          IDC_Y_SECOND, IDC_X_SECOND, IDC_Y_CK,   IDC_X_CK,
                                          IDC_R_KK,     IDC_Z,        IDC_Q};
constexpr std::array<int, 11> SpiralIds = {IDC_PK_FIRST, IDC_Y_FIRST, IDC_X_FIRST, IDC_PK_SECOND,
                                           IDC_Y_SECOND, IDC_X_SECOND, IDC_Y_CK,   IDC_X_CK,
                                           IDC_R_KK,     IDC_L_SK,     IDC_Q};

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

const std::vector<int> StraightIdList(StraightIds.begin(), StraightIds.end());
const std::vector<int> CurveIdList(CurveIds.begin(), CurveIds.end());
const std::vector<int> SpiralIdList(SpiralIds.begin(), SpiralIds.end());

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
    {"straight, a run of more than 10000 points", StraightSetOutCalculator, StraightIdList, StraightGeometry,
     {"P", "0", "1", "10000", "1"},
     StraightHead + "\r\nSO: P   PK=0   d=1   PK_to=10000   step=1\r\n" + StraightElements +
         "\r\n!Run of more than 10000 points: none set out!\r\n",
     "0.0000", "0.0000"},
    {"straight, A and B at one place", StraightSetOutCalculator, StraightIdList, {"0", "3", "4", "10", "3", "4"},
     {"N", "5", "1", "", ""},
     "\r\nSet out on linear trace\r\n\r\nPK0=0   Y0=3   X0=4\r\nPKn=10   Yn=3   Xn=4"
     "\r\nSO: N   PK=5   d=1   PK_to=   step=\r\n\r\nApk= 90' 0' 0'   Lpk=0.0000\r\n"
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

} // namespace
