// The track line of a route as polylines to draw: each straight by its ends, each
// spiral and each track circle (radius R - (Z)) by points on the true line close
// enough that no chord departs from it by more than a tolerance (in metres of
// ground: half a pixel on screen, less on paper, divided by the scale).
//
// The points are those of the route's own geometry: a spiral's come from the
// clothoid series in the spiral frame stepped off from NKK (KKK) along the straight,
// as the route places KSK1 (KSK2); the circle's from its centre at R - (Z).
#pragma once

#include <cstddef>
#include <vector>

#include "pictures/ground_view.h"
#include "route/route.h"
#include "route/route_element_geometry.h"

struct TrackPiece {
    RouteElementKind kind;
    std::size_t curve; // as RouteElement counts it
    std::vector<GroundPoint> points;
};

// An element is never cut into more chords than this, however fine the tolerance.
constexpr std::size_t MostChordsPerElement = 100000;

// The elements of the line in line order, each as a polyline whose chords depart
// from the true line by at most `tolerance` metres.
std::vector<TrackPiece> SampleRoute(const Route& line, double tolerance);

// The point of the entry spiral at arc length l from NSK1, of the exit spiral at l
// from NSK2, and of the track circle at `swept` radians from the radius through KSK1
// toward KSK2.
GroundPoint EntrySpiralPoint(const RouteCurve& c, double l);
GroundPoint ExitSpiralPoint(const RouteCurve& c, double l);
GroundPoint TrackCirclePoint(const RouteCurve& c, double swept);
// The angle the track circle sweeps from the radius through KSK1 to that through KSK2.
double TrackCircleSweep(const RouteCurve& c);

// The point of the line at a picket within START to END, on the element whose
// picket range holds it: by the spiral's own count on a spiral, spread evenly from
// KSK1 to KSK2 on the circle (whose count from NKK differs from the spirals' at KSK
// by the truncation of their series).
GroundPoint RoutePointAtPicket(const Route& line, double PK);
