// The element lines the traces and set-outs write about their element of track,
// before anything about a point.
#pragma once

#include <string>

#include "geometry/circular_curve.h"
#include "geometry/spiral_elements.h"
#include "geometry/track_straight.h"

// The straight's line: CR LF "Apk=" angle "   Lpk=" length.
std::string TrackStraightLine(const TrackStraight& straight);

// The circular curve's piece: the "Ankk=", "Akkk=" and "Beta=" lines, ended by CR LF.
std::string CircularCurvePiece(const CircularCurve& curve);

// Report block 2 of the spiral: from the "Apk=" line to the "PKnsk=" line, ended by CR LF.
std::string SpiralElementsPiece(const SpiralElements& e);
