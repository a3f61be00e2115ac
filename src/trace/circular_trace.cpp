// The circular curve trace: the picket and the offset of a surveyed point PZ
// against a circular curve given by its start NK, its end KK, its centre and its
// radius R_kk, the offset raised by the two terms z and q.
//
// Notation (the report labels):
//   Rnkk, Ankk  distance and direction angle from the centre to the start
//   Rkkk, Akkk  the same to the end
//   Beta        turning angle from the start radius to the end radius, in (-pi, pi]:
//               the curve is always the shorter arc
//   Skk         sense of the curve, +1 when the radius turns toward growing
//               direction angles (Beta >= 0)
//   Lkk         length of the arc, reported only
//   Rpz, Apz    distance and direction angle from the centre to PZ
//   Apz1, Apz2  angle from the start radius and from the end radius to PZ's radius
//   PKpz1/2     picket of PZ reckoned from the start and from the end
//   Dpz         offset of PZ: positive farther from the centre than R_kk, plus z + q
// R_kk as typed, not the measured Rnkk or Rkkk, enters the pickets and the offset.
#include <array>
#include <string>
#include <utility>

#include "numeric/arithmetic.h"
#include "resource_ids.h"
#include "elements/element_pieces.h"
#include "elements/stored_elements.h"
#include "trace/trace_calculators.h"
#include "elements/element_field_rows.h"

namespace {

using SV = StoredValue;

constexpr auto Fields = JoinFieldRows(CircularGeometryFields, TracePzRow);

// Whether the radius of PZ lies in the sector swept from the start radius to the
// end radius in the sense of the curve, both radii included. For a curve of less
// than 120 degrees that is so exactly when PZ's radius is no farther from either
// end radius than the curve turns. A wider curve passes that test also for some
// points behind the start or beyond the end (every point, on a half circle); such
// a point lies against the sense of the curve seen from the start and with it
// seen from the end, which no point of a narrower curve does.
// The comparison with |Beta| allows the AngleRoundingMargin.

bool IsOnCurve(double Apz1, double Apz2, double Beta, double Skk) {
    const double limit = AbsValue(Beta) + AngleRoundingMargin;
    if (!(AbsValue(Apz1) <= limit && AbsValue(Apz2) <= limit)) return false;
    const bool behindStart = Skk * Apz1 < 0;
    const bool beyondEnd = Skk * Apz2 > 0;
    return !(behindStart && beyondEnd);
}

CalculationOutput Compute(CalculationStore& store) {
    const double PK_nk = store[SV::PK_A], PK_kk = store[SV::PK_B];
    const double Y_ck = store[SV::Y_ck], X_ck = store[SV::X_ck];
    const double R_kk = store[SV::R_kk], z = store[SV::z_trace], q = store[SV::q];
    const double Y_pz = store[SV::Y_pz], X_pz = store[SV::X_pz];

    const CircularCurve curve = StoredCircularCurve(store);
    const double Ankk = curve.Ankk, Akkk = curve.Akkk, Beta = curve.Beta, Skk = curve.Skk;
    CalculationOutput out;
    out.resultPieces.push_back(CircularCurvePiece(curve));
    out.elementLength = out.resultPieces[0].size();

    // The point.
    const double Apz = DirectionAngle(Y_pz - Y_ck, X_pz - X_ck);
    const double Rpz = PlaneDistance(Y_pz - Y_ck, X_pz - X_ck);
    const double Apz1 = ReduceToHalfTurn(Apz - Ankk);
    const double Apz2 = ReduceToHalfTurn(Apz - Akkk);
    std::string point = "\r\nApz=" + AngleText(Apz) + "   Rpz=" + LinearText(Rpz);

    double PK_pz = 0;
    double Dpz = 0;
    if (IsOnCurve(Apz1, Apz2, Beta, Skk)) {
        // The arcs run with growing pickets: s turns them round when the pickets
        // fall from the start to the end (s = +1 leaves them bit for bit unchanged).
        const double s = SignOf(PK_kk - PK_nk);
        const double PKpz1 = s * ((Skk * R_kk) * Apz1) + PK_nk;
        const double PKpz2 = s * ((Skk * R_kk) * Apz2) + PK_kk;
        PK_pz = (PKpz1 + PKpz2) / 2;
        Dpz = ((Rpz - R_kk) + z) + q;
        point += "\r\nPKpz1=" + LinearText(PKpz1) + "   Dpz=" + LinearText(Dpz) + //
                 "\r\nPKpz2=" + LinearText(PKpz2) + "\r\n";
    } else {
        out.pointNotTraced = "!Point outside of circular crooked!";
        point += "\r\n" + std::string(out.pointNotTraced) + "\r\n";
    }
    out.resultFields = {{IDC_PK_PZ, LinearText(PK_pz)}, {IDC_D_PZ, LinearText(Dpz)}};
    out.resultPieces.push_back(std::move(point));
    return out;
}

} // namespace

const Calculator CircularTraceCalculator = {IDD_TRACE_CIRCULAR, "Calculation on circular crooked trace",
                                            Fields, Compute};
