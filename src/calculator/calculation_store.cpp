#include "calculator/calculation_store.h"

CalculationStore TheCalculationStore;

void CalculationStore::Reset() {
    for (double& v : values)
        v = 0;
    (*this)[StoredValue::B_rl] = 0.76;
    pzName.clear();
    rpName.clear();
}
