#include "landxml/track_path.h"

#include <cmath>

#include "geometry/clothoid_path.h"
#include "numeric/arithmetic.h"

double TurnedDirection(double direction, double turn) {
    const double full = PiTimes(2);
    double a = std::fmod(direction + turn, full);
    if (a < 0) a += full;
    return a >= full ? 0 : a;
}

double CurvatureAlong(const TrackPath& path, double s) {
    return path.length > 0 ? path.k1 + (path.k2 - path.k1) * s / path.length : path.k1;
}

TrackPathPoint PointAlong(const TrackPath& p, double s) {
    const PathPoint point = PointOnPath(MakeClothoidPath(p.Y, p.X, p.azimuth, p.length, p.k1, p.k2), s);
    return {point.Y, point.X, TurnedDirection(point.A, 0)};
}

double ChordStartDirection(const TrackPath& path, double dY, double dX) {
    // Laid from the origin heading north, the chord's end gives the turn off.
    TrackPath local = path;
    local.Y = local.X = local.azimuth = 0;
    const TrackPathPoint chordEnd = PointAlong(local, local.length);
    return TurnedDirection(DirectionAngle(dY, dX), -std::atan2(chordEnd.Y, chordEnd.X));
}
