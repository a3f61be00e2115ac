// The transition spiral trace: the elements of the spiral and, for a surveyed
// point PZ on its stretch, the picket and the offset of PZ (notation in
// spiral_elements.h; (x)pz, (y)pz are PZ in the spiral frame, xLimit the abscissa
// of the normal at KSK at that ordinate).
// A point whose foot point the iteration cannot settle (far off the spiral on its
// outer side) is reported as not resolved, with 0 in the fields as for a point
// outside. Degenerate inputs (L at NKK, a zero radius or spiral length) divide by
// zero; the values that are not finite are written as FormatFixed writes them, and
// a NaN point is never on the stretch.
#include <string>
#include <utility>

#include "geometry/spiral_foot_point.h"
#include "numeric/arithmetic.h"
#include "numeric/clothoid.h"
#include "resource_ids.h"
#include "elements/element_pieces.h"
#include "elements/stored_elements.h"
#include "trace/trace_calculators.h"
#include "elements/element_field_rows.h"

namespace {

using SV = StoredValue;

constexpr auto Fields = JoinFieldRows(SpiralGeometryFields, TracePzRow);

CalculationOutput Compute(CalculationStore& store) {
    const double Y_nkk = store[SV::Y_A], X_nkk = store[SV::X_A];
    const double L_sk = store[SV::L_sk], q = store[SV::q];
    const double Y_pz = store[SV::Y_pz], X_pz = store[SV::X_pz];

    const SpiralElements e = ComputeSpiralElements(store);
    const double s = e.straight.s;
    const double sigma = e.sigma, C = e.C, PKnsk = e.PKnsk;
    std::string elements = SpiralElementsPiece(e);

    // PZ in the spiral frame, then its place against the stretch of the spiral.
    const auto [x, y, xLimit] = ToSpiralFrame(e, Y_nkk, X_nkk, Y_pz, X_pz);

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
