// Set out on the circular curve: the point of a picket and an offset, the reverse
// of the circular trace. The trace reckons the picket from the start (angle Apz1
// from the start radius) and from the end (Apz2 = Apz1 - Beta) and takes the mean,
// both arcs turned by s for falling pickets; so Apz1 is the mean of the angles the
// picket gives from the two ends. The offset is measured from R_kk outward and
// raised by z and q, so the point lies at R_kk + (d - q - z) from the centre.
// A picket whose radius leaves the sector from the start radius to the end radius
// is outside; an offset that would reach or pass the centre is refused, since no
// picket could be told from such a point. A zero radius gives an angle that is
// not finite, which is neither: its coordinates are written as NaN.
#include <algorithm>
#include <cmath>

#include "numeric/arithmetic.h"
#include "resource_ids.h"
#include "set_out/set_out_calculators.h"
#include "elements/set_out_run.h"
#include "elements/element_pieces.h"
#include "elements/stored_elements.h"
#include "elements/element_field_rows.h"

namespace {

using SV = StoredValue;

constexpr auto Fields = JoinFieldRows(CircularGeometryFields, SetOutRow);

CalculationOutput Compute(CalculationStore& store) {
    const double PK_nk = store[SV::PK_A], PK_kk = store[SV::PK_B];
    const double Y_ck = store[SV::Y_ck], X_ck = store[SV::X_ck];
    const double R_kk = store[SV::R_kk], z = store[SV::z_trace], q = store[SV::q];
    const CircularCurve curve = StoredCircularCurve(store);
    const double s = SignOf(PK_kk - PK_nk);
    // Arc length to angle at the radius R_kk, in the sense of the curve.
    const double arcRadius = curve.Skk * R_kk;

    return SetOutStoredRun(store, CircularCurvePiece(curve), [&](double PK, double d) {
        const double fromStart = s * (PK - PK_nk) / arcRadius;
        const double fromEnd = s * (PK - PK_kk) / arcRadius + curve.Beta;
        const double Apz1 = (fromStart + fromEnd) / 2;
        // The angle swept from the start radius, in [0, |Beta|] on the curve; a
        // picket within EndPicketTolerance of an end is set out at that end.
        const double swept = curve.Skk * Apz1;
        const double sweptMargin = EndPicketTolerance / AbsValue(R_kk);
        if (swept < -sweptMargin || swept > curve.Skk * curve.Beta + sweptMargin)
            return OutsidePoint("!Picket outside of circular crooked!");
        // An angle that is not finite (a zero radius) stays so: its point is NaN.
        const double onCurve = std::isfinite(swept) ? std::clamp(swept, 0.0, curve.Skk * curve.Beta) : swept;
        const double Rpz = ((d - q) - z) + R_kk;
        if (Rpz <= 0) return SetOutPoint{0, 0, "!Offset beyond the centre of circular crooked!", true};
        const double Apz = curve.Ankk + curve.Skk * onCurve;
        return SetOutPoint{Y_ck + Rpz * std::sin(Apz), X_ck + Rpz * std::cos(Apz)};
    });
}

} // namespace

const Calculator CircularSetOutCalculator = {IDD_SET_OUT_CIRCULAR, "Set out on circular crooked trace",
                                             Fields, Compute};
