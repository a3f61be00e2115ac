// Set out on the transition spiral: the point of a picket and an offset, the
// reverse of the spiral trace. The picket gives the picket length (Lpk)pz from
// NSK; the arc length Lpz whose picket length that is comes from Newton's method
// on SpiralPicketLength; the offset, turned by sigma and s and raised by the share
// qpz of q, is stepped off along the spiral's normal at Lpz, toward the centre for
// a positive value; the spiral frame is then turned back onto the plane.
// A picket whose Lpz falls outside 0 to L_sk is outside. Degenerate inputs (zero
// radius or spiral length, L at NKK) give NaN or infinite coordinates.
#include <algorithm>
#include <cmath>

#include "numeric/arithmetic.h"
#include "numeric/clothoid.h"
#include "resource_ids.h"
#include "set_out/set_out_calculators.h"
#include "elements/set_out_run.h"
#include "elements/element_pieces.h"
#include "elements/stored_elements.h"
#include "elements/element_field_rows.h"

namespace {

using SV = StoredValue;

constexpr auto Fields = JoinFieldRows(SpiralGeometryFields, SetOutRow);

// Newton's method on SpiralPicketLength(l, C) = Lpk. From l = Lpk, which is never
// below the root (the picket length exceeds the arc length), the passes fall
// monotonically onto it: measured, at most 4 passes for spirals of 20 to 150 m on
// radii of 300 to 3,000 m. The bound only keeps NaN and absurd inputs from looping.
constexpr int MaxNewtonPasses = 30;
constexpr double ArcTolerance = 1e-12;

double ArcLengthOfPicketLength(double Lpk, double C) {
    double l = Lpk;
    for (int pass = 0; pass < MaxNewtonPasses; ++pass) {
        const double excess = SpiralPicketLength(l, C) - Lpk;
        const double slope = IntPower(l, 4) / (IntPower(C, 2) * 12) + 1; // derivative of l + l^5/(60C^2)
        const double next = l - excess / slope;
        const bool settled = !(AbsValue(next - l) > ArcTolerance);
        l = next;
        if (settled) break;
    }
    return l;
}

CalculationOutput Compute(CalculationStore& store) {
    const double Y_nkk = store[SV::Y_A], X_nkk = store[SV::X_A];
    const double L_sk = store[SV::L_sk], q = store[SV::q];
    const SpiralElements e = ComputeSpiralElements(store);
    const double s = e.straight.s;
    const double endPicketLength = SpiralPicketLength(L_sk, e.C);

    return SetOutStoredRun(store, SpiralElementsPiece(e), [&](double PK, double d) {
        // The picket length from NSK, in [0, (Lpk) of KSK] on the spiral; a picket
        // within EndPicketTolerance of an end is set out at that end.
        const double Lpk = s * (PK - e.PKnsk);
        if (Lpk < -EndPicketTolerance || Lpk > endPicketLength + EndPicketTolerance)
            return OutsidePoint("!Picket outside of connecting crooked!");
        const double Lpz = ArcLengthOfPicketLength(std::clamp(Lpk, 0.0, endPicketLength), e.C);
        const double tau = ClothoidAngle(Lpz, e.C);
        // Distance along the normal from the spiral toward the centre.
        const double normal = (e.sigma * s) * d + q * Lpz / L_sk;
        const double x = ClothoidX(Lpz, e.C) - normal * std::sin(tau);
        const double y = ClothoidY(Lpz, e.C) + normal * std::cos(tau);
        // Back from the spiral frame: along the straight from NKK, across it to its right.
        const PlanePoint point = StepOff(e.straight, Y_nkk, X_nkk, x - e.a, e.sigma * y);
        return SetOutPoint{point.Y, point.X};
    });
}

} // namespace

const Calculator SpiralSetOutCalculator = {IDD_SET_OUT_SPIRAL, "Set out on connecting crooked (spiral) trace",
                                           Fields, Compute};
