// Set out on the Line (dialog 1020): a picket and offset, or a run of pickets, set
// out on the stored route, each picket on the element whose picket range holds it,
// by that element's own set-out.
#pragma once

#include "calculator/calculator.h"

extern const Calculator RouteSetOutCalculator;
