#include "trace/spiral_elements.h"

#include "numeric/arithmetic.h"
#include "numeric/clothoid.h"
#include "trace/calculator.h"

SpiralElements ComputeSpiralElements(CalculationStore& store) {
    using SV = StoredValue;
    const double Y_nkk = store[SV::Y_A], X_nkk = store[SV::X_A];
    const double R_kk = store[SV::R_kk], L_sk = store[SV::L_sk];

    SpiralElements e;
    e.straight = MakeTrackStraight(store[SV::PK_line], store[SV::Y_lin], store[SV::X_lin], store[SV::PK_A],
                                   Y_nkk, X_nkk);
    // The side of the curve: the centre's offset from the straight.
    const double dYc = store[SV::Y_ck] - Y_nkk;
    const double dXc = store[SV::X_ck] - X_nkk;
    const double centreOffset = CrossProduct(dYc, dXc, e.straight.sinA, e.straight.cosA);
    e.Rk = PlaneDistance(dYc, dXc);
    e.sigma = SignOf(centreOffset);

    e.C = R_kk * L_sk;
    e.a = SpiralTermA(L_sk, e.C);
    e.a1 = SpiralTermA1(L_sk, e.C);
    e.X = ClothoidX(L_sk, e.C);
    e.Y = ClothoidY(L_sk, e.C);
    e.Z = SpiralTermZ(L_sk, e.C);
    e.FI = ClothoidAngle(L_sk, e.C);
    e.PKnsk = store[SV::PK_A] - e.straight.s * e.a;
    e.PKksk = e.straight.s * L_sk + e.PKnsk;
    store[SV::C] = e.C;
    store[SV::z_trace] = e.Z;
    store[SV::PKnsk] = e.PKnsk;
    return e;
}

std::string SpiralElementsPiece(const SpiralElements& e) {
    std::string piece = TrackStraightLine(e.straight);
    piece += "\r\nRk=" + LinearText(e.Rk) + (e.sigma < 0 ? "   !Left!" : "   !Right!");
    piece += "\r\nC=" + LinearText(e.C);
    piece += "\r\na=" + LinearText(e.a) + "   a1=" + LinearText(e.a1);
    piece += "\r\n(X)=" + LinearText(e.X) + "   (Y)=" + LinearText(e.Y);
    piece += "\r\n(Z)=" + LinearText(e.Z) + "   (FI)=" + AngleText(e.FI);
    piece += "\r\nPKnsk=" + LinearText(e.PKnsk) + "   PKksk=" + LinearText(e.PKksk) + "\r\n";
    return piece;
}
