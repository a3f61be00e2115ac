// The three set-outs, the reverse of the three traces: a picket and offset (or a
// run of pickets) as coordinates.
#pragma once

#include "calculator/calculator.h"

extern const Calculator StraightSetOutCalculator; // dialog 1017
extern const Calculator CircularSetOutCalculator; // dialog 1018
extern const Calculator SpiralSetOutCalculator;   // dialog 1019
