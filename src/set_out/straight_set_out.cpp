// Set out on the straight through A and B dialog: the point of a picket and an
// offset, the reverse of the straight trace (the kernel in
// elements/straight_kernels.h). The straight runs on beyond A and B: no picket is
// outside.
#include "elements/element_field_rows.h"
#include "elements/element_pieces.h"
#include "elements/set_out_run.h"
#include "elements/stored_elements.h"
#include "resource_ids.h"
#include "set_out/set_out_calculators.h"

namespace {

constexpr auto Fields = JoinFieldRows(StraightGeometryFields, SetOutRow);

CalculationOutput Compute(CalculationStore& store) {
    const StraightElement e = StoredStraightElement(store);
    return SetOutStoredRun(store, TrackStraightLine(e.AB) + "\r\n", [&](double PK, double d) {
        const ElementSetOut point = SetOutOnStraight(e, PK, d);
        return SetOutPoint{point.Y, point.X};
    });
}

} // namespace

const Calculator StraightSetOutCalculator = {IDD_SET_OUT_STRAIGHT, "Set out on linear trace", Fields,
                                             Compute};
