// Set out on the Line (dialog 1020): a picket and offset, or a run of pickets, set
// out on the stored line, each picket on the element whose picket range holds it,
// by that element's own set-out calculator.
#pragma once

#include <string>

#include "calculator/calculator.h"

extern const Calculator RouteSetOutCalculator;

// Which line is stored: "Line START-VU1-VU2-END, PK 100.0000 to 3259.7809", or
// "No line has been read yet."
std::string StoredRouteDescription();
