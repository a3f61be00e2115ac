// The elements of track of the stored values, as the traces and their set-outs
// take them from the fields they share.
#pragma once

#include "calculator/calculation_store.h"
#include "geometry/circular_curve.h"
#include "geometry/spiral_elements.h"

// The circular curve of the stored start, end, centre and R_kk.
CircularCurve StoredCircularCurve(const CalculationStore& store);

// The elements of the stored spiral. C, (Z) and PKnsk are stored for the other
// calculators (the spiral rail level shows C and PKnsk, the circular trace (Z) as z).
SpiralElements ComputeSpiralElements(CalculationStore& store);
