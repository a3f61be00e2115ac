// Set out on the circular curve dialog: the point of a picket and an offset, the
// reverse of the circular trace (the kernel in elements/circular_kernels.h).
#include "elements/element_field_rows.h"
#include "elements/element_pieces.h"
#include "elements/set_out_run.h"
#include "elements/stored_elements.h"
#include "resource_ids.h"
#include "set_out/set_out_calculators.h"

namespace {

constexpr auto Fields = JoinFieldRows(CircularGeometryFields, SetOutRow);

CalculationOutput Compute(CalculationStore& store) {
    const CircularElement e = StoredCircularElement(store);
    return SetOutStoredRun(store, CircularCurvePiece(e.curve), [&](double PK, double d) {
        const ElementSetOut point = SetOutOnCircle(e, PK, d);
        if (point.outcome == SetOutOutcome::PicketOutside)
            return OutsidePoint("!Picket outside of circular crooked!");
        if (point.outcome == SetOutOutcome::OffsetBeyondCentre)
            return SetOutPoint{0, 0, "!Offset beyond the centre of circular crooked!", true};
        return SetOutPoint{point.Y, point.X};
    });
}

} // namespace

const Calculator CircularSetOutCalculator = {IDD_SET_OUT_CIRCULAR, "Set out on circular crooked trace",
                                             Fields, Compute};
