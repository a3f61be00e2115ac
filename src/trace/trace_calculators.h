// The three traces: the picket and offset of a surveyed point from a straight, a
// circular curve and a transition spiral.
#pragma once

#include <functional>

#include "calculator/calculator.h"

extern const Calculator StraightTraceCalculator; // dialog 1011
extern const Calculator CircularTraceCalculator; // dialog 1012
extern const Calculator SpiralTraceCalculator;   // dialog 1013

// A point traced on the element of the stored values, as its dialog's CALC traces
// it: its picket and offset, or the trace's words for a point it does not trace
// ("!Point outside of circular crooked!"; null when traced).
struct TracedPoint {
    const char* notTraced;
    double PK, d;
};
using StoredElementTrace = std::function<TracedPoint(double Y, double X)>;

// The trace of points on each trace's stored element (the spiral stores what its
// CALC stores).
StoredElementTrace StraightStoredTrace(CalculationStore& store);
StoredElementTrace CircularStoredTrace(CalculationStore& store);
StoredElementTrace SpiralStoredTrace(CalculationStore& store);
