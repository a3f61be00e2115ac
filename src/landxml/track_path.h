// A plane element of track given the way an element table gives it: its start point,
// its start direction, its length and its curvature at both ends, linear between (a
// straight: both 0; an arc: both 1/R; a clothoid otherwise). Curvature is positive
// curving right (clockwise); directions are radians clockwise from north (X) toward
// east (Y).
#pragma once

struct TrackPath {
    double Y = 0, X = 0, azimuth = 0, length = 0, k1 = 0, k2 = 0;
};

struct TrackPathPoint {
    double Y = 0, X = 0, azimuth = 0;
};

// The point and tangent direction at distance s (0 to length) along the element, by
// the true clothoid of the line's model (geometry/clothoid_path.h).
TrackPathPoint PointAlong(const TrackPath& path, double s);

// The curvature at distance s along the element.
double CurvatureAlong(const TrackPath& path, double s);

// Direction angle in [0, 2 pi) of a's turn by `turn` radians.
double TurnedDirection(double direction, double turn);

// The start direction of an element of the path's length and curvatures whose chord
// from its start to its end runs (dY, dX): its shape is fixed by those alone, so its
// chord turns off its start tangent by a known angle (the path's own point and
// direction are not used).
double ChordStartDirection(const TrackPath& path, double dY, double dX);
