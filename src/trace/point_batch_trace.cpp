#include "trace/point_batch_trace.h"

#include <cstddef>
#include <string>

#include "resource_ids.h"
#include "text/line_fields.h"
#include "elements/point_line_reader.h"
#include "trace/trace_calculators.h"

const PointBatchTrace StraightPointBatch = {&StraightTraceCalculator, "Trace of points on linear trace"};
const PointBatchTrace CircularPointBatch = {&CircularTraceCalculator,
                                            "Trace of points on circular crooked trace"};
const PointBatchTrace SpiralPointBatch = {&SpiralTraceCalculator,
                                          "Trace of points on connecting crooked (spiral) trace"};

std::string TracePointLines(const PointBatchTrace& batch, const CalculationStore& store,
                            std::span<const TextLine> lines) {
    const Calculator& trace = *batch.trace;
    CalculationStore work = store;
    std::string report = StoredInputPiece(trace, store, batch.reportTitle);
    report += trace.compute(work).ElementLines();
    report += "\r\n";

    report += PointTable(lines, [&](const PointLine& point, std::string& line) {
        // The point as its dialog's CALC stores it, over the stored element.
        work = store;
        work.pzName = point.name;
        work[StoredValue::Y_pz] = point.y;
        work[StoredValue::X_pz] = point.x;
        const CalculationOutput out = trace.compute(work);

        line += point.name;
        line += "   Ypz=";
        line += point.yText;
        line += "   Xpz=";
        line += point.xText;
        if (out.pointNotTraced != nullptr) {
            line += "   ";
            line += out.pointNotTraced;
            return false;
        }
        line += "   PKpz=";
        line += out.ResultField(IDC_PK_PZ);
        line += "   Dpz=";
        line += out.ResultField(IDC_D_PZ);
        return true;
    });
    return report;
}
