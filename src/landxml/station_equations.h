// The stations of an alignment: internal stations (its staStart plus the distance
// along it) and design stations (what a surveyor reads on the ground), which differ
// by each station equation from its internal station on.
#pragma once

#include <vector>

struct StationEquation {
    double internal = 0; // where it lies, as an internal station
    double ahead = 0;    // the design station from there on
    int line = 0;        // of the file
};

struct StationMap {
    // In increasing internal stations.
    std::vector<StationEquation> equations;

    // The design station of an internal station: the last equation at or before it
    // applied, none before the first.
    double Design(double internal) const;
};
