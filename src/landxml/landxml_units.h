// The units of a LandXML file: every length, station, coordinate, radius and level
// is written in metres; the cant in millimetres.
#pragma once

#include <string>

#include "landxml/landxml_data.h"

struct ImportUnits {
    double linear = 1;    // metres per unit of lengths, stations, coordinates, radii
    double elevation = 1; // metres per unit of levels
    double cant = 1;      // millimetres per unit of cant
    bool metres = true;   // lengths and levels already in metres
    std::string words;    // the units as the line before each table names them
    std::string cantWords; // the cant's, for the line before an element table with cant
};

// The factors of the file's Units. Metric cant is in millimetres, Imperial in
// inches; levels in the elevationUnit where one is written, else the linearUnit;
// a file without Units is read in metres. False, with `refusal` set, for a unit
// other than meter, foot and USSurveyFoot.
bool ReadImportUnits(const LandXmlUnits& units, ImportUnits& read, std::string& refusal);
