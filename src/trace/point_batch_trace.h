// A trace run over many surveyed points at once: every point line of a list of
// lines traced against the element stored for that trace, in one report table.
// The trace's kernel, the one its dialog's CALC calls, traces each point on the
// element of a copy of the store, so each point gets exactly the figures its dialog
// would give, and the program's store is left as it was.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "calculator/calculation_store.h"
#include "calculator/calculator.h"
#include "elements/point_table.h"
#include "text/selected_lines.h"
#include "trace/trace_calculators.h"

struct PointBatchTrace {
    const Calculator* trace;
    const char* reportTitle; // "Trace of points on linear trace"
    StoredElementTrace (*storedTrace)(CalculationStore& store);
};

extern const PointBatchTrace StraightPointBatch;
extern const PointBatchTrace CircularPointBatch;
extern const PointBatchTrace SpiralPointBatch;

// The report of the points in lines, ready to append: the title, the stored
// element as the trace's input and element lines give it, then one line per point
// ("P1   Ypz=5   Xpz=30   PKpz=30.0000   Dpz=5.0000", or the trace's words for a
// point off its element), one per unreadable line with why ("! Line 7 skipped,
// \"5,1\" is not a number (write a decimal point): text", the text cut after 120
// characters and then followed by "..."), blank lines passed over, and last the
// counts.
std::string TracePointLines(const PointBatchTrace& batch, const CalculationStore& store,
                            std::span<const TextLine> lines);
