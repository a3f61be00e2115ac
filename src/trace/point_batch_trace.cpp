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

std::string PointTable(std::span<const TextLine> lines,
                       const std::function<bool(const PointLine& point, std::string& table)>& traceOne) {
    std::string table;
    int traced = 0, outside = 0, skipped = 0;
    for (const TextLine& line : lines) {
        const PointLine point = ReadPointLine(line.text, line.number);
        if (point.kind == PointLine::Kind::Blank) continue;
        if (point.kind == PointLine::Kind::Unreadable) {
            ++skipped;
            table += SkippedLineNote(line.number, line.text);
            continue;
        }
        (traceOne(point, table) ? traced : outside) += 1;
        table += "\r\n";
    }
    table += "Points: " + std::to_string(traced) + " traced, " + std::to_string(outside) + " outside, " +
             std::to_string(skipped) + " skipped\r\n";
    return table;
}
