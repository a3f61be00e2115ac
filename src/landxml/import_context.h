// What the parts of the import of one alignment share: the refusal they throw, the
// notes of what is left out, the units, the stations and the decimals written.
#pragma once

#include <string>
#include <vector>

#include "landxml/landxml_data.h"
#include "landxml/landxml_units.h"
#include "landxml/station_equations.h"

// Thrown where the file cannot be imported: the file's line and what is wrong with
// it ("the Curve is given only by its PI"). Caught by ImportLandXml, which then
// imports nothing.
struct ImportRefusal {
    int line;
    std::string what;
};

struct AlignmentContext {
    const LandXmlAlignment& alignment;
    const ImportUnits& units;
    int decimals = 3;      // of every length, station, coordinate and level written
    double staStart = 0;   // internal stations of the alignment's start and end
    double staEnd = 0;
    StationMap stations;
    std::vector<std::string>& notes; // "! ..." lines of the summary, without CR LF
};

// A value written with the alignment's decimals.
std::string Fixed(double value, int decimals);

// A number attribute or text of the file, refused when it is not one; `what` names it.
double RequiredNumber(const std::string& text, int line, const std::string& what);
