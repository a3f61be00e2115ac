// Set out on the straight through A and B: the point of a picket and an offset,
// the reverse of the straight trace. That trace takes the mean of the pickets
// reckoned from A and from B, so the distance along AB is the mean of the two
// distances the picket gives from A and from B; the offset is turned by s as the
// trace turns it. The straight runs on beyond A and B: no picket is outside.
#include "resource_ids.h"
#include "set_out/set_out_calculators.h"
#include "elements/set_out_run.h"
#include "elements/element_pieces.h"
#include "elements/element_field_rows.h"

namespace {

using SV = StoredValue;

constexpr auto Fields = JoinFieldRows(StraightGeometryFields, SetOutRow);

CalculationOutput Compute(CalculationStore& store) {
    const double PK_A = store[SV::PK_A], Y_A = store[SV::Y_A], X_A = store[SV::X_A];
    const double PK_B = store[SV::PK_B];
    const TrackStraight AB = MakeTrackStraight(PK_A, Y_A, X_A, PK_B, store[SV::Y_B], store[SV::X_B]);

    return SetOutStoredRun(store, TrackStraightLine(AB) + "\r\n", [&](double PK, double d) {
        const double alongFromA = AB.s * (PK - PK_A);
        const double alongFromB = AB.s * (PK - PK_B) + AB.Lpk;
        const double along = (alongFromA + alongFromB) / 2;
        const double across = AB.s * d; // to the right of A -> B
        const PlanePoint point = StepOff(AB, Y_A, X_A, along, across);
        return SetOutPoint{point.Y, point.X};
    });
}

} // namespace

const Calculator StraightSetOutCalculator = {IDD_SET_OUT_STRAIGHT, "Set out on linear trace", Fields,
                                             Compute};
