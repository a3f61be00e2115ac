// What a plan of the line marks and names besides the track: its ends, IPs and main
// points (an element table's joints), a tick at every station that is a whole
// multiple of the tick step; and the tangent polygon of an IP table's line.
#pragma once

#include <string>
#include <vector>

#include "alignment/alignment.h"
#include "pictures/ground_view.h"

struct PlanMark {
    MarkKind kind;
    std::string label; // "START", "VU1", "NSK1"...
    GroundPoint at;
};

// START, then per curve its IP and its main points NSK1, KSK1, SK, KSK2, NSK2 (or
// the joints of an element table), then END.
std::vector<PlanMark> RouteMarks(const Alignment& line);
std::vector<GroundPoint> TangentPolygon(const Alignment& line);

// Stations are ticked and labelled at every multiple of this.
constexpr double PicketTickStep = 100;
// The most ticks a plan draws; on a longer line the step grows tenfold until it fits.
constexpr std::size_t MostPicketTicks = 20000;

struct PicketTick {
    double PK;
    std::string label; // "1100"
    GroundPoint at;
    double sinA, cosA; // the line's direction there
};
// Stations in the gap of an equation, which lie on no element, have no tick.
std::vector<PicketTick> PicketTicks(const Alignment& line);

// The bounding box of the line's points: its tangent polygon (which holds an IP
// table's track), or its track sampled coarsely.
GroundExtent RouteExtent(const Alignment& line);
