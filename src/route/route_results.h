// The results of the last trace of points on the line and of the last set-out on it,
// kept for the program's life so that pictures of the line can show them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "elements/set_out_run.h"

struct TracedRoutePoint {
    std::string name;
    double Y, X, PK, d;
    std::string element;        // "straight START-VU1"
    std::optional<double> dH;   // the level's difference, where levels were compared
};

struct SetOutRoutePoint {
    double PK, d, Y, X;
};

struct RouteResults {
    bool traced = false; // whether points have been traced on the line read
    std::vector<TracedRoutePoint> tracedPoints;
    std::vector<SetOutRoutePoint> setOutPoints;
    unsigned lineReads = 0; // counts the lines read, so that a picture can tell another line
};

extern RouteResults TheRouteResults;

// Another line was read: its results are none yet.
void ForgetRouteResults();
// A trace on the line begins (its points replace the last trace's) and one point of
// it was traced.
void StartRouteTrace();
void KeepTracedRoutePoint(TracedRoutePoint point);
// The set-out function of a run on the line, wrapped so that the points it sets out
// replace those of the last run.
std::function<SetOutPoint(double PK, double d)> KeepingSetOutPoints(
    std::function<SetOutPoint(double PK, double d)> placePoint);
