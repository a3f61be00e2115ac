// The elements of track of the stored values, as the traces and their set-outs
// take them from the fields they share.
#pragma once

#include "calculator/calculation_store.h"
#include "elements/circular_kernels.h"
#include "elements/spiral_kernels.h"
#include "elements/straight_kernels.h"

// The straight through the stored A and B.
StraightElement StoredStraightElement(const CalculationStore& store);

// The circular curve of the stored start, end, centre, R_kk, z and q.
CircularElement StoredCircularElement(const CalculationStore& store);

// The stored spiral. C, (Z) and PKnsk are stored for the other calculators (the
// spiral rail level shows C and PKnsk, the circular trace (Z) as z).
SpiralElement StoredSpiralElement(CalculationStore& store);
