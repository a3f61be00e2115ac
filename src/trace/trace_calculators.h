// The three traces: the picket and offset of a surveyed point from a straight, a
// circular curve and a transition spiral.
#pragma once

#include "calculator/calculator.h"

extern const Calculator StraightTraceCalculator; // dialog 1011
extern const Calculator CircularTraceCalculator; // dialog 1012
extern const Calculator SpiralTraceCalculator;   // dialog 1013
