#include "trace/point_batch_trace.h"

#include <cstddef>
#include <string>

#include "resource_ids.h"
#include "text/line_fields.h"
#include "trace/point_line_reader.h"
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

    int traced = 0, outside = 0, skipped = 0;
    for (const TextLine& line : lines) {
        const PointLine point = ReadPointLine(line.text, line.number);
        if (point.kind == PointLine::Kind::Blank) continue;
        if (point.kind == PointLine::Kind::Unreadable) {
            ++skipped;
            report += SkippedLineNote(line.number, line.text);
            continue;
        }
        // The point as its dialog's CALC stores it, over the stored element.
        work = store;
        work.pzName = point.name;
        work[StoredValue::Y_pz] = point.y;
        work[StoredValue::X_pz] = point.x;
        const CalculationOutput out = trace.compute(work);

        report += point.name;
        report += "   Ypz=";
        report += point.yText;
        report += "   Xpz=";
        report += point.xText;
        if (out.pointNotTraced != nullptr) {
            ++outside;
            report += "   ";
            report += out.pointNotTraced;
        } else {
            ++traced;
            report += "   PKpz=";
            report += out.ResultField(IDC_PK_PZ);
            report += "   Dpz=";
            report += out.ResultField(IDC_D_PZ);
        }
        report += "\r\n";
    }
    report += "Points: " + std::to_string(traced) + " traced, " + std::to_string(outside) + " outside, " +
              std::to_string(skipped) + " skipped\r\n";
    return report;
}
