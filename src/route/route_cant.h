// The design cant along a route: 0 on the straights, rising linearly with the
// picket along the entry spiral from 0 at NSK1 to the curve's h at KSK1, h on the
// circle, falling linearly along the exit spiral from h at KSK2 to 0 at NSK2.
#pragma once

#include "route/route.h"

// Whether any curve of the route has a cant.
bool RouteHasCant(const Route& route);

// The cant in millimetres at the picket: 0 off every curve, before START and beyond
// END.
double DesignCant(const Route& route, double PK);
