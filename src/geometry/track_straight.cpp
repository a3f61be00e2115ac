#include "geometry/track_straight.h"

#include "numeric/arithmetic.h"

TrackStraight MakeTrackStraight(double PK1, double Y1, double X1, double PK2, double Y2, double X2) {
    const double dY = Y2 - Y1;
    const double dX = X2 - X1;
    const double Lpk = PlaneDistance(dY, dX);
    return {Lpk, dY / Lpk, dX / Lpk, DirectionAngle(dY, dX), SignOf(PK2 - PK1)};
}

PlanePoint StepOff(const TrackStraight& straight, double Y0, double X0, double along, double across) {
    return {Y0 + along * straight.sinA + across * straight.cosA,
            X0 + along * straight.cosA - across * straight.sinA};
}
