#include "landxml/station_equations.h"

double StationMap::Design(double internal) const {
    const StationEquation* last = nullptr;
    for (const StationEquation& e : equations)
        if (e.internal <= internal) last = &e;
    return last == nullptr ? internal : last->ahead + (internal - last->internal);
}
