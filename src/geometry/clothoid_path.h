// A plane element whose curvature runs linearly with its arc length: a straight
// (both curvatures 0), a circular arc (equal curvatures) or a clothoid (from or to a
// straight, or between two arcs of the same or the opposite hand). Its kernels: the
// point and direction at an arc length, the point stepped off it, its curvature, and
// the foot point of a point of the plane.
//
// Conventions: plane coordinates (Y east, X north); a direction angle A in radians
// from +X (north) toward +Y (east), clockwise from north; the unit tangent of A is
// (Y, X) = (sin A, cos A). Curvature k = dA/ds: positive curves right (clockwise, A
// grows), negative left; radius R = 1/k. Offsets d are positive to the right of the
// direction of travel, whose right normal is (Y, X) = (cos A, -sin A).
//
// How it is computed. The direction is A(s) = A0 + k1 s + c s^2 with c = (k2 - k1) /
// (2 L). MakeClothoidPath cuts the element into equal pieces over each of which the
// tangent turns by at most PieceTurn and which are at most PieceLength long, and keeps
// the position and direction at every knot between them, relative to the start point.
// A point is then computed from its nearest knot by the power series of the integral
// of exp(i (k t + c t^2)) over the distance t from the knot, so national-grid start
// coordinates are added only at the end and lose nothing.
//
// Beyond its ends the element runs on with the same curvature law, computed from the
// end knot, as far as its tangent turns by at most MaxExtensionTurn from the end
// (without limit for a straight); further out the kernels give NaN.
#pragma once

#include <vector>

#include "geometry/track_straight.h"

// The longest piece between two knots, so that a foot point's first guess, taken on
// the chords between knots, lies close to the curve even where it hardly curves.
constexpr double PieceLength = 50;

// The most the tangent turns over one piece (rad). A point lies at most half a piece
// from its knot, where the phase of the series stays below 0.05 rad and its terms
// fall at least by that factor at each power: nine or ten terms reach 1e-17.
constexpr double PieceTurn = 0.1;

// Pieces beyond this many would be needed only by an element that turns through more
// than MaxPieces * PieceTurn (1638 rad: a radius of 0.6 m over 1,000 m); such an
// element is refused (every kernel gives NaN or no foot) instead of using the memory.
constexpr int MaxPieces = 16384;

// How far the element runs on beyond its ends: until its tangent turns by this much
// (rad) from the end knot. Up to there the terms of the series stay below e^2 of the
// distance, so rounding costs under 1e-15 of it; beyond, the extended curve turns on
// toward a full loop and no longer means anything along the line.
constexpr double MaxExtensionTurn = 2;

// The series from a knot stops once two successive terms (each relative to the unit
// tangent) are below SeriesTolerance: the rest then adds less than 1e-17 of the
// distance from the knot, under 1e-15 m within the element. MaxSeriesTerms bounds it
// where the extension turns by MaxExtensionTurn (4^40 / 40! is 1e-24).
constexpr double SeriesTolerance = 1e-17;
constexpr int MaxSeriesTerms = 40;

// The foot point is settled once Newton's step on the arc length is below this (m):
// a tenth of the accuracy the line asks for, and the arc length after that step is
// right to its square (under 1e-19 m), so the tolerance costs nothing in accuracy.
// The rounding of the local coordinates (1e-13 m on 1,000 m) divided by 1 - k d stays
// below it unless the point lies within 1/1000 of the radius of the centre of
// curvature, where the foot point is lost in rounding anyway.
constexpr double FootTolerance = 1e-10;

// Newton's step on the arc length is cut to where the tangent turns by this (rad), a
// few pieces: the step f / (1 - k d) grows without bound as the point nears the centre
// of curvature, and a step that turns much further has left the curve it was formed on.
constexpr double FootStepTurn = 0.25;

// Newton's passes from the first guess on the chords between the knots. Measured on
// 800,000 generated elements and points (offsets up to a fifth of the radius, up to
// 1 m or L beyond the ends): 2 to 3 passes on average, 5 at most; 1 on a straight. The
// bound leaves room for the steps cut to FootStepTurn of a point far outside, which
// cross the whole extension in MaxExtensionTurn / FootStepTurn = 8.
constexpr int MaxFootPasses = 30;

struct ClothoidKnot {
    double y, x;       // position relative to the element's start point
    double A;          // direction angle
    double sinA, cosA; // of A
    double k;          // curvature
};

struct ClothoidPath {
    double Y0, X0, A0;               // start point and start direction
    double L, k1, k2;                // length, curvature at the start and at the end
    double c;                        // (k2 - k1) / (2 L): A(s) = A0 + k1 s + c s^2
    double h;                        // length of each piece between knots
    double before, after;            // how far the extension reaches before the start and past the end
    std::vector<ClothoidKnot> knots; // at s = i h for i = 0 .. pieces; empty for a refused element
};

// The element from (Y0, X0) in direction A0 of length L (> 0), curvature k1 at its start
// and k2 at its end. L <= 0, any non-finite value or an element that turns through more
// than MaxPieces * PieceTurn gives a refused element.
ClothoidPath MakeClothoidPath(double Y0, double X0, double A0, double L, double k1, double k2);

// The point of the element at arc length s from its start and its tangent's direction
// angle; s outside [0, L] runs on with the same curvature law (see above). NaN for a
// refused element, a non-finite s or beyond the extension.
struct PathPoint {
    double Y, X, A;
};
PathPoint PointOnPath(const ClothoidPath& p, double s);

// The point at arc length s stepped off d to the right of the element (left when d < 0).
using PlanePointYX = PlanePoint;
PlanePoint PointOffPath(const ClothoidPath& p, double s, double d);

// k1 + 2 c s, for any finite s; NaN for a refused element.
double CurvatureAt(const ClothoidPath& p, double s);

// The foot point of (Y, X): the arc length s of the nearest point of the element's curve
// whose normal passes through (Y, X), and the offset d of (Y, X) from it (right
// positive). The curve includes its extension: s < 0 is a foot before the start,
// s > L one past the end, and the caller judges with its own tolerance which element
// holds the point. found is false for a refused element, a non-finite point, a foot
// beyond the extension, or when Newton's passes do not settle (a point at the centre of
// curvature). passes counts Newton's passes.
struct PathFoot {
    bool found;
    double s, d;
    int passes;
};
PathFoot FootOnPath(const ClothoidPath& p, double Y, double X);
