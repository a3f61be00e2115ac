// The track of a line as polylines to draw: each element by points on its true
// line close enough that no chord departs from it by more than a tolerance (in
// metres of ground: half a pixel on screen, less on paper, divided by the scale).
// The points are those of each element's own kernels.
#pragma once

#include <cstddef>
#include <vector>

#include "alignment/alignment.h"
#include "pictures/ground_view.h"

struct TrackPiece {
    AlignmentElementKind kind;
    std::size_t element; // in line order
    std::vector<GroundPoint> points;
};

// The elements of the line in line order, each as a polyline whose chords depart
// from the true line by at most `tolerance` metres.
std::vector<TrackPiece> SampleRoute(const Alignment& line, double tolerance);

// The point of the line at a station within its start to end, on the element whose
// drawing range holds it; the start for a station on no element (in the gap of an
// equation).
GroundPoint RoutePointAtPicket(const Alignment& line, double PK);
