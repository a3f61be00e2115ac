// Set out on the transition spiral dialog: the point of a picket and an offset, the
// reverse of the spiral trace (the kernel in elements/spiral_kernels.h). Degenerate
// inputs (zero radius or spiral length, L at NKK) give NaN or infinite coordinates.
#include "elements/element_field_rows.h"
#include "elements/element_pieces.h"
#include "elements/set_out_run.h"
#include "elements/stored_elements.h"
#include "resource_ids.h"
#include "set_out/set_out_calculators.h"

namespace {

constexpr auto Fields = JoinFieldRows(SpiralGeometryFields, SetOutRow);

CalculationOutput Compute(CalculationStore& store) {
    const SpiralElement e = StoredSpiralElement(store);
    return SetOutStoredRun(store, SpiralElementsPiece(e.e), [&](double PK, double d) {
        const ElementSetOut point = SetOutOnSpiral(e, PK, d);
        if (point.outcome != SetOutOutcome::SetOut)
            return OutsidePoint("!Picket outside of connecting crooked!");
        return SetOutPoint{point.Y, point.X};
    });
}

} // namespace

const Calculator SpiralSetOutCalculator = {IDD_SET_OUT_SPIRAL, "Set out on connecting crooked (spiral) trace",
                                           Fields, Compute};
