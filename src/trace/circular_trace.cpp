// The circular curve trace dialog: the picket and the offset of a surveyed point PZ
// against a circular curve given by its start NK, its end KK, its centre and its
// radius R_kk, the offset raised by the two terms z and q (the kernel and its
// notation in elements/circular_kernels.h).
#include <string>
#include <utility>

#include "elements/element_field_rows.h"
#include "elements/element_pieces.h"
#include "elements/stored_elements.h"
#include "resource_ids.h"
#include "trace/trace_calculators.h"

namespace {

using SV = StoredValue;

constexpr auto Fields = JoinFieldRows(CircularGeometryFields, TracePzRow);
constexpr const char* PointOutside = "!Point outside of circular crooked!";

CalculationOutput Compute(CalculationStore& store) {
    const CircularElement e = StoredCircularElement(store);
    const CircularTrace t = TraceOnCircle(e, store[SV::Y_pz], store[SV::X_pz]);
    CalculationOutput out;
    out.resultPieces.push_back(CircularCurvePiece(e.curve));
    out.elementLength = out.resultPieces[0].size();

    std::string point = "\r\nApz=" + AngleText(t.Apz) + "   Rpz=" + LinearText(t.Rpz);
    if (t.outcome == TraceOutcome::Traced) {
        point += "\r\nPKpz1=" + LinearText(t.PKpz1) + "   Dpz=" + LinearText(t.d) + //
                 "\r\nPKpz2=" + LinearText(t.PKpz2) + "\r\n";
    } else {
        out.pointNotTraced = PointOutside;
        point += "\r\n" + std::string(out.pointNotTraced) + "\r\n";
    }
    out.resultFields = {{IDC_PK_PZ, LinearText(t.PK)}, {IDC_D_PZ, LinearText(t.d)}};
    out.resultPieces.push_back(std::move(point));
    return out;
}

} // namespace

StoredElementTrace CircularStoredTrace(CalculationStore& store) {
    return [e = StoredCircularElement(store)](double Y, double X) {
        const CircularTrace t = TraceOnCircle(e, Y, X);
        return TracedPoint{t.outcome == TraceOutcome::Traced ? nullptr : PointOutside, t.PK, t.d};
    };
}

const Calculator CircularTraceCalculator = {IDD_TRACE_CIRCULAR, "Calculation on circular crooked trace",
                                            Fields, Compute};
