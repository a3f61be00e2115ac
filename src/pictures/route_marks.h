// What a plan of the line marks and names besides the track: START and END, every
// IP, every main point of every curve, and a tick at every picket that is a whole
// multiple of the tick step; and the tangent polygon START - IPs - END.
#pragma once

#include <string>
#include <vector>

#include "pictures/ground_view.h"
#include "route/route.h"

enum class MarkKind { End, Ip, MainPoint };

struct PlanMark {
    MarkKind kind;
    std::string label; // "START", "VU1", "NSK1"...
    GroundPoint at;
};

// START, then per curve its IP and its main points NSK1, KSK1, SK, KSK2, NSK2, then END.
std::vector<PlanMark> RouteMarks(const Route& line);
std::vector<GroundPoint> TangentPolygon(const Route& line);

// Pickets are ticked and labelled at every multiple of this.
constexpr double PicketTickStep = 100;
// The most ticks a plan draws; on a longer line the step grows tenfold until it fits.
constexpr std::size_t MostPicketTicks = 20000;

struct PicketTick {
    double PK;
    std::string label; // "1100"
    GroundPoint at;
    double sinA, cosA; // the line's direction there
};
std::vector<PicketTick> PicketTicks(const Route& line);

// The bounding box of the line's points (its track lies within its tangent polygon).
GroundExtent RouteExtent(const Route& line);
