#include "route/route_results.h"

#include <utility>

RouteResults TheRouteResults;

void ForgetRouteResults() {
    const unsigned lineReads = TheRouteResults.lineReads;
    TheRouteResults = RouteResults{};
    TheRouteResults.lineReads = lineReads + 1;
}

void StartRouteTrace() {
    TheRouteResults.traced = true;
    TheRouteResults.tracedPoints.clear();
}

void KeepTracedRoutePoint(TracedRoutePoint point) {
    TheRouteResults.tracedPoints.push_back(std::move(point));
}

std::function<SetOutPoint(double PK, double d)> KeepingSetOutPoints(
    std::function<SetOutPoint(double PK, double d)> placePoint) {
    TheRouteResults.setOutPoints.clear();
    return [place = std::move(placePoint)](double PK, double d) {
        SetOutPoint point = place(PK, d);
        if (point.refusal == nullptr) TheRouteResults.setOutPoints.push_back({PK, d, point.Y, point.X});
        return point;
    };
}
