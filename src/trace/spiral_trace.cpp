// The transition spiral trace dialog: the elements of the spiral and, for a
// surveyed point PZ on its stretch, the picket and the offset of PZ (the kernel in
// elements/spiral_kernels.h, the notation in geometry/spiral_elements.h).
// A point whose foot point the iteration cannot settle is reported as not resolved,
// with 0 in the fields as for a point outside. Values that are not finite are
// written as FormatFixed writes them.
#include <string>
#include <utility>

#include "elements/element_field_rows.h"
#include "elements/element_pieces.h"
#include "elements/stored_elements.h"
#include "resource_ids.h"
#include "trace/trace_calculators.h"

namespace {

using SV = StoredValue;

constexpr auto Fields = JoinFieldRows(SpiralGeometryFields, TracePzRow);

// The trace's words for a point it does not trace, by outcome; null when traced.
const char* NotTracedWords(TraceOutcome outcome) {
    switch (outcome) {
    case TraceOutcome::Outside:
        return "!Point outside of connecting crooked!";
    case TraceOutcome::NotResolved:
        return "!Point not resolved on connecting crooked!";
    case TraceOutcome::Traced:
        break;
    }
    return nullptr;
}

CalculationOutput Compute(CalculationStore& store) {
    const SpiralElement e = StoredSpiralElement(store);
    std::string elements = SpiralElementsPiece(e.e);
    const SpiralTrace t = TraceOnSpiral(e, store[SV::Y_pz], store[SV::X_pz]);
    const auto [x, y, xLimit] = t.frame;

    CalculationOutput out;
    std::string block = "\r\n(x)pz=" + LinearText(x) + "   (y)pz=" + LinearText(y);
    out.pointNotTraced = NotTracedWords(t.outcome);
    if (out.pointNotTraced != nullptr) {
        block += "\r\n" + std::string(out.pointNotTraced);
        if (t.outcome == TraceOutcome::Outside && x < 0) block += "\r\n(x0)pz = NSK" + LinearText(x);
        if (t.outcome == TraceOutcome::Outside && x > xLimit)
            block += "\r\n(x0)pz = KSK+" + LinearText(x - xLimit);
    } else {
        block += "\r\n(x0)pz=" + LinearText(t.x0) + "   (y0)pz=" + LinearText(t.y0);
        block += "\r\nLpz=" + LinearText(t.Lpz) + "   (Lpk)pz=" + LinearText(t.Lpk) +
                 "   qpz=" + LinearText(t.qpz);
        block += "\r\n\r\nPKpz=" + LinearText(t.PK) + "   Dpz=" + LinearText(t.d);
    }
    block += "\r\n";

    out.resultFields = {{IDC_PK_PZ, LinearText(t.PK)}, {IDC_D_PZ, LinearText(t.d)}};
    out.elementLength = elements.size();
    out.resultPieces = {std::move(elements), std::move(block)};
    return out;
}

} // namespace

StoredElementTrace SpiralStoredTrace(CalculationStore& store) {
    return [e = StoredSpiralElement(store)](double Y, double X) {
        const SpiralTrace t = TraceOnSpiral(e, Y, X);
        return TracedPoint{NotTracedWords(t.outcome), t.PK, t.d};
    };
}

const Calculator SpiralTraceCalculator = {
    IDD_TRACE_SPIRAL, "Calculation on connecting crooked (spiral) trace", Fields, Compute};
