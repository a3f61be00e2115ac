// The straight-line trace: the picket and the offset of a surveyed point PZ
// against the straight through A and B, reckoned once from A and once from B; the
// fields show the means of the two.
//
// Notation (the report labels where there is one):
//   Lpk, Apk     length and direction angle of AB; sinA, cosA taken by division
//   s            sense of stationing, +1 when pickets grow from A to B (or are equal)
//   PKpz1, Dpz1  picket and offset of PZ reckoned from A
//   PKpz2, Dpz2  the same reckoned from B
// A and B at the same place make Lpk 0, so sinA and cosA and everything derived
// from them are NaN; they are written as FormatFixed writes them.
#include <string>

#include "numeric/arithmetic.h"
#include "resource_ids.h"
#include "elements/element_pieces.h"
#include "trace/trace_calculators.h"
#include "elements/element_field_rows.h"

namespace {

using SV = StoredValue;

constexpr auto Fields = JoinFieldRows(StraightGeometryFields, TracePzRow);

CalculationOutput Compute(CalculationStore& store) {
    const double PK_A = store[SV::PK_A], Y_A = store[SV::Y_A], X_A = store[SV::X_A];
    const double PK_B = store[SV::PK_B], Y_B = store[SV::Y_B], X_B = store[SV::X_B];
    const double Y_pz = store[SV::Y_pz], X_pz = store[SV::X_pz];

    const TrackStraight AB = MakeTrackStraight(PK_A, Y_A, X_A, PK_B, Y_B, X_B);
    const double sinA = AB.sinA, cosA = AB.cosA, s = AB.s;

    // From A, then from B; s turns both to the direction of growing pickets.
    double dY = Y_pz - Y_A;
    double dX = X_pz - X_A;
    const double PKpz1 = s * DotProduct(dY, dX, sinA, cosA) + PK_A;
    const double Dpz1 = s * CrossProduct(dY, dX, sinA, cosA);
    dY = Y_pz - Y_B;
    dX = X_pz - X_B;
    const double PKpz2 = s * DotProduct(dY, dX, sinA, cosA) + PK_B;
    const double Dpz2 = s * CrossProduct(dY, dX, sinA, cosA);

    const double PK_pz = (PKpz1 + PKpz2) / 2;
    const double d_pz = (Dpz1 + Dpz2) / 2;

    // One piece: the element line, then an empty line and the point's two lines.
    std::string piece = TrackStraightLine(AB) + "\r\n";
    CalculationOutput out;
    out.elementLength = piece.size();
    piece += "\r\nPKpz1=" + LinearText(PKpz1) + "   Dpz1=" + LinearText(Dpz1) + //
             "\r\nPKpz2=" + LinearText(PKpz2) + "   Dpz2=" + LinearText(Dpz2) + "\r\n";
    out.resultFields = {{IDC_PK_PZ, LinearText(PK_pz)}, {IDC_D_PZ, LinearText(d_pz)}};
    out.resultPieces = {std::move(piece)};
    return out;
}

} // namespace

const Calculator StraightTraceCalculator = {IDD_TRACE_STRAIGHT, "Calculation on linear trace", Fields,
                                            Compute};
