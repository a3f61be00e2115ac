// Set out on the route: a picket and offset set out on the element whose picket
// range holds the picket, by that element's own set-out.
#pragma once

#include <cstddef>
#include <string>

#include "route/route_layout.h"

struct RouteSetOut {
    enum class Outcome {
        SetOut,
        PicketOutside,     // before START, beyond END, or refused by the element
        OffsetBeyondCentre // d reaches or passes the centre of curvature at PK
    } outcome;
    double Y, X;         // when set out
    std::size_t element; // the element set out on, or whose centre d reaches
};

// The point of picket PK and offset d (positive to the right of growing pickets) on
// the layout's route. A picket in the sliver between a spiral's and the circle's
// count is set out at the circle's end. d reaches the centre of curvature when it
// reaches, toward the centre, the circle's centre at R - (Z) from the track or a
// spiral's at C over the picket length from its start (none at the start itself).
RouteSetOut SetOutOnRoute(const RouteLayout& layout, double PK, double d);

// Which route is stored: "Line START-VU1-VU2-END, PK 100.0000 to 3259.7809", or
// "No line has been read yet."
std::string StoredRouteDescription();
