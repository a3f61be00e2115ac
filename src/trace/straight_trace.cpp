// The straight-line trace dialog: the picket and the offset of a surveyed point PZ
// against the straight through A and B, reckoned once from A and once from B; the
// fields show the means of the two (the kernel and its notation in
// elements/straight_kernels.h). Values that are not finite are written as
// FormatFixed writes them.
#include <string>

#include "elements/element_field_rows.h"
#include "elements/element_pieces.h"
#include "elements/stored_elements.h"
#include "resource_ids.h"
#include "trace/trace_calculators.h"

namespace {

using SV = StoredValue;

constexpr auto Fields = JoinFieldRows(StraightGeometryFields, TracePzRow);

CalculationOutput Compute(CalculationStore& store) {
    const StraightElement e = StoredStraightElement(store);
    const StraightTrace t = TraceOnStraight(e, store[SV::Y_pz], store[SV::X_pz]);

    // One piece: the element line, then an empty line and the point's two lines.
    std::string piece = TrackStraightLine(e.AB) + "\r\n";
    CalculationOutput out;
    out.elementLength = piece.size();
    piece += "\r\nPKpz1=" + LinearText(t.PKpz1) + "   Dpz1=" + LinearText(t.Dpz1) + //
             "\r\nPKpz2=" + LinearText(t.PKpz2) + "   Dpz2=" + LinearText(t.Dpz2) + "\r\n";
    out.resultFields = {{IDC_PK_PZ, LinearText(t.PK)}, {IDC_D_PZ, LinearText(t.d)}};
    out.resultPieces = {std::move(piece)};
    return out;
}

} // namespace

StoredElementTrace StraightStoredTrace(CalculationStore& store) {
    return [e = StoredStraightElement(store)](double Y, double X) {
        const StraightTrace t = TraceOnStraight(e, Y, X);
        return TracedPoint{nullptr, t.PK, t.d};
    };
}

const Calculator StraightTraceCalculator = {IDD_TRACE_STRAIGHT, "Calculation on linear trace", Fields,
                                            Compute};
