#include "elements/stored_elements.h"

CircularCurve StoredCircularCurve(const CalculationStore& store) {
    using SV = StoredValue;
    return MakeCircularCurve(store[SV::Y_A], store[SV::X_A], store[SV::Y_B], store[SV::X_B], store[SV::Y_ck],
                             store[SV::X_ck], store[SV::R_kk]);
}

SpiralElements ComputeSpiralElements(CalculationStore& store) {
    using SV = StoredValue;
    const SpiralElements e = MakeSpiralElements(
        store[SV::PK_line], store[SV::Y_lin], store[SV::X_lin], store[SV::PK_A], store[SV::Y_A],
        store[SV::X_A], store[SV::Y_ck], store[SV::X_ck], store[SV::R_kk], store[SV::L_sk]);
    store[SV::C] = e.C;
    store[SV::z_trace] = e.Z;
    store[SV::PKnsk] = e.PKnsk;
    return e;
}
