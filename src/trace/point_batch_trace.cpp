#include "trace/point_batch_trace.h"

#include <cstddef>
#include <string>

#include "elements/point_line_reader.h"
#include "text/line_fields.h"
#include "trace/trace_calculators.h"

const PointBatchTrace StraightPointBatch = {&StraightTraceCalculator, "Trace of points on linear trace",
                                            StraightStoredTrace};
const PointBatchTrace CircularPointBatch = {&CircularTraceCalculator,
                                            "Trace of points on circular crooked trace", CircularStoredTrace};
const PointBatchTrace SpiralPointBatch = {
    &SpiralTraceCalculator, "Trace of points on connecting crooked (spiral) trace", SpiralStoredTrace};

std::string TracePointLines(const PointBatchTrace& batch, const CalculationStore& store,
                            std::span<const TextLine> lines) {
    const Calculator& trace = *batch.trace;
    CalculationStore work = store;
    std::string report = StoredInputPiece(trace, store, batch.reportTitle);
    report += trace.compute(work).ElementLines();
    report += "\r\n";

    work = store;
    const StoredElementTrace traceOne = batch.storedTrace(work);
    report += PointTable(lines, [&](const PointLine& point, std::string& line) {
        const TracedPoint traced = traceOne(point.y, point.x);
        line += point.name;
        line += "   Ypz=";
        line += point.yText;
        line += "   Xpz=";
        line += point.xText;
        if (traced.notTraced != nullptr) {
            line += "   ";
            line += traced.notTraced;
            return false;
        }
        line += "   PKpz=" + LinearText(traced.PK) + "   Dpz=" + LinearText(traced.d);
        return true;
    });
    return report;
}
