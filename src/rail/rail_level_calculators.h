// The three rail-level calculators: on a straight, a circular curve and a spiral.
#pragma once

#include "calculator/calculator.h"

extern const Calculator StraightRailLevelCalculator; // dialog 1014
extern const Calculator CircularRailLevelCalculator; // dialog 1015
extern const Calculator SpiralRailLevelCalculator;   // dialog 1016
