#include "elements/element_pieces.h"

#include "calculator/calculator.h"

std::string TrackStraightLine(const TrackStraight& straight) {
    return "\r\nApk=" + AngleText(straight.Apk) + "   Lpk=" + LinearText(straight.Lpk);
}

std::string CircularCurvePiece(const CircularCurve& c) {
    return "\r\nAnkk=" + AngleText(c.Ankk) + "   Rnkk=" + LinearText(c.Rnkk) + //
           "\r\nAkkk=" + AngleText(c.Akkk) + "   Rkkk=" + LinearText(c.Rkkk) + //
           "\r\nBeta=" + AngleText(c.Beta) + "   Lkk=" + LinearText(c.Lkk) + "\r\n";
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
