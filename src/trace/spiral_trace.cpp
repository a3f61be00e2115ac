// The transition spiral trace: a clothoid that leads from a straight (through L
// and NKK) into a circular curve (centre, R_kk), with spiral length L_sk. Gives
// the elements of the spiral and, for a surveyed point PZ on its stretch, the
// picket and the offset of PZ.
//
// Notation (the report labels where there is one):
//   Lpk, Apk    distance and direction angle from L to NKK; sinA, cosA by division
//   s           sense of stationing, +1 when pickets grow from L toward NKK
//   Rk          distance from NKK to the centre, reported only
//   sigma       side of the curve, +1 for a centre right of the straight (or on it)
//   C           spiral parameter R_kk * L_sk
//   a           distance along the straight from NSK (spiral start) to NKK
//   (X),(Y),(FI) the spiral's end KSK in the spiral frame and its tangent angle
//   (Z)         shift of the circle from the straight
//   (x)pz,(y)pz PZ in the spiral frame; xLimit the normal at KSK at that ordinate
// A point whose foot point the iteration cannot settle (far off the spiral on its
// outer side) is reported as not resolved, with 0 in the fields as for a point
// outside. Degenerate inputs (L at NKK, a zero radius or spiral length) divide by
// zero; the values that are not finite are written as FormatFixed writes them, and
// a NaN point is never on the stretch.
#include <array>
#include <string>
#include <utility>

#include "numeric/arithmetic.h"
#include "numeric/clothoid.h"
#include "resource_ids.h"
#include "trace/calculator.h"
#include "trace/spiral_foot_point.h"
#include "trace/trace_field_rows.h"

namespace {

using SV = StoredValue;

// The straight through L and NKK; NKK's row holds the first point shared with
// the other traces.
constexpr std::array<CalculatorField, 6> StraightRows = {
    NumberField(IDC_PK_FIRST, "PK_l=", true, SV::PK_line),
    NumberField(IDC_Y_FIRST, "   Y_l=", false, SV::Y_lin),
    NumberField(IDC_X_FIRST, "   X_l=", false, SV::X_lin),
    NumberField(IDC_PK_SECOND, "PK_nkk=", true, SV::PK_A),
    NumberField(IDC_Y_SECOND, "   Y_nkk=", false, SV::Y_A),
    NumberField(IDC_X_SECOND, "   X_nkk=", false, SV::X_A),
};

// The circle and the spiral.
constexpr std::array<CalculatorField, 3> CurveRow = {
    NumberField(IDC_R_KK, "R_kk=", true, SV::R_kk),
    NumberField(IDC_L_SK, "   L_sk=", false, SV::L_sk),
    NumberField(IDC_Q, "   q=", false, SV::q),
};

constexpr auto Fields = JoinFieldRows(StraightRows, TraceCentreRow, CurveRow, TracePzRow);

CalculationOutput Compute(CalculationStore& store) {
    const double PK_line = store[SV::PK_line], Y_lin = store[SV::Y_lin], X_lin = store[SV::X_lin];
    const double PK_nkk = store[SV::PK_A], Y_nkk = store[SV::Y_A], X_nkk = store[SV::X_A];
    const double Y_ck = store[SV::Y_ck], X_ck = store[SV::X_ck];
    const double R_kk = store[SV::R_kk], L_sk = store[SV::L_sk], q = store[SV::q];
    const double Y_pz = store[SV::Y_pz], X_pz = store[SV::X_pz];

    // The straight from L toward NKK.
    double dY = Y_nkk - Y_lin;
    double dX = X_nkk - X_lin;
    double Lpk = PlaneDistance(dY, dX);
    double sinA = dY / Lpk;
    double cosA = dX / Lpk;
    double Apk = DirectionAngle(dY, dX);
    double s = SignOf(PK_nkk - PK_line);

    // The side of the curve: the centre's offset from the straight.
    double dYc = Y_ck - Y_nkk;
    double dXc = X_ck - X_nkk;
    double centreOffset = CrossProduct(dYc, dXc, sinA, cosA);
    double Rk = PlaneDistance(dYc, dXc);
    double sigma = SignOf(centreOffset);

    // Spiral elements; C, (Z) and PKnsk are kept for the other calculators.
    double C = R_kk * L_sk;
    double a = SpiralTermA(L_sk, C);
    double a1 = SpiralTermA1(L_sk, C);
    double X = ClothoidX(L_sk, C);
    double Y = ClothoidY(L_sk, C);
    double Z = SpiralTermZ(L_sk, C);
    double FI = ClothoidAngle(L_sk, C);
    // KSK's picket adds the plain spiral length, not the picket length of the series.
    double PKnsk = PK_nkk - s * a;
    double PKksk = s * L_sk + PKnsk;
    store[SV::C] = C;
    store[SV::z_trace] = Z;
    store[SV::PKnsk] = PKnsk;

    std::string elements = "\r\nApk=" + AngleText(Apk) + "   Lpk=" + LinearText(Lpk);
    elements += "\r\nRk=" + LinearText(Rk) + (sigma < 0 ? "   !Left!" : "   !Right!");
    elements += "\r\nC=" + LinearText(C);
    elements += "\r\na=" + LinearText(a) + "   a1=" + LinearText(a1);
    elements += "\r\n(X)=" + LinearText(X) + "   (Y)=" + LinearText(Y);
    elements += "\r\n(Z)=" + LinearText(Z) + "   (FI)=" + AngleText(FI);
    elements += "\r\nPKnsk=" + LinearText(PKnsk) + "   PKksk=" + LinearText(PKksk) + "\r\n";

    // PZ in the spiral frame, then its place against the stretch of the spiral.
    double dYp = Y_pz - Y_nkk;
    double dXp = X_pz - X_nkk;
    double x = DotProduct(dYp, dXp, sinA, cosA) + a;
    double y = sigma * CrossProduct(dYp, dXp, sinA, cosA);
    double xLimit = NormalLineAbscissa(X, Y, FI, y);

    double PKpz = 0;
    double Dpz = 0;
    CalculationOutput out;
    std::string block = "\r\n(x)pz=" + LinearText(x) + "   (y)pz=" + LinearText(y);
    if (!IsOnSpiralStretch(x, xLimit)) {
        out.pointNotTraced = "!Point outside of connecting crooked!";
        block += "\r\n" + std::string(out.pointNotTraced);
        if (x < 0) block += "\r\n(x0)pz = NSK" + LinearText(x);
        if (x > xLimit) block += "\r\n(x0)pz = KSK+" + LinearText(x - xLimit);
    } else if (SpiralFootPoint foot = FindSpiralFootPoint(x, y, C); !foot.settled) {
        out.pointNotTraced = "!Point not resolved on connecting crooked!";
        block += "\r\n" + std::string(out.pointNotTraced);
    } else {
        double Lpz = foot.l;
        double qpz = q * Lpz / L_sk;
        double x0 = ClothoidX(Lpz, C);
        double y0 = ClothoidY(Lpz, C);
        double Lpk_pz = SpiralPicketLength(Lpz, C);
        PKpz = s * Lpk_pz + PKnsk;
        Dpz = (sigma * s) * (foot.d - qpz);
        block += "\r\n(x0)pz=" + LinearText(x0) + "   (y0)pz=" + LinearText(y0);
        block +=
            "\r\nLpz=" + LinearText(Lpz) + "   (Lpk)pz=" + LinearText(Lpk_pz) + "   qpz=" + LinearText(qpz);
        block += "\r\n\r\nPKpz=" + LinearText(PKpz) + "   Dpz=" + LinearText(Dpz);
    }
    block += "\r\n";

    out.resultFields = {{IDC_PK_PZ, LinearText(PKpz)}, {IDC_D_PZ, LinearText(Dpz)}};
    out.elementLength = elements.size();
    out.resultPieces = {std::move(elements), std::move(block)};
    return out;
}

} // namespace

const Calculator SpiralTraceCalculator = {
    IDD_TRACE_SPIRAL, "Calculation on connecting crooked (spiral) trace", Fields, Compute};
