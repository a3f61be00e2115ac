#include "elements/stored_elements.h"

using SV = StoredValue;

StraightElement StoredStraightElement(const CalculationStore& store) {
    return MakeStraightElement(store[SV::PK_A], store[SV::Y_A], store[SV::X_A], store[SV::PK_B],
                               store[SV::Y_B], store[SV::X_B]);
}

CircularElement StoredCircularElement(const CalculationStore& store) {
    return MakeCircularElement(store[SV::PK_A], store[SV::Y_A], store[SV::X_A], store[SV::PK_B],
                               store[SV::Y_B], store[SV::X_B], store[SV::Y_ck], store[SV::X_ck],
                               store[SV::R_kk], store[SV::z_trace], store[SV::q]);
}

SpiralElement StoredSpiralElement(CalculationStore& store) {
    const SpiralElement s = MakeSpiralElement(
        store[SV::PK_line], store[SV::Y_lin], store[SV::X_lin], store[SV::PK_A], store[SV::Y_A],
        store[SV::X_A], store[SV::Y_ck], store[SV::X_ck], store[SV::R_kk], store[SV::L_sk], store[SV::q]);
    store[SV::C] = s.e.C;
    store[SV::z_trace] = s.e.Z;
    store[SV::PKnsk] = s.e.PKnsk;
    return s;
}
