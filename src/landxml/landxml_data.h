// A LandXML file's alignments as the XML reader hands them over: plain data, every
// value the text the file writes (numbers are judged and converted by the import),
// every element with the line of the file it starts on. Elements are known by their
// local names, whatever namespace the file puts them in.
#pragma once

#include <string>
#include <vector>

// Units/Metric or Units/Imperial: which, and its linearUnit and elevationUnit.
struct LandXmlUnits {
    std::string system; // "Metric", "Imperial", or empty when the file has no Units
    std::string linearUnit, elevationUnit;
    int line = 0;
};

// A child of CoordGeom: Line, Curve, Spiral, or any other element (kept to be named).
struct LandXmlGeometry {
    std::string kind; // the local name
    int line = 0;
    std::string length, radius, rot, spiType, radiusStart, radiusEnd, staStart;
    // The texts of its points, "northing easting [elevation]"; empty when absent.
    std::string start, center, end, pi;
};

struct LandXmlEquation {
    int line = 0;
    std::string staInternal, staAhead, staBack, staIncrement;
};

// A child of ProfAlign: PVI, ParaCurve, CircCurve, UnsymParaCurve or another.
struct LandXmlProfilePoint {
    std::string kind; // the local name
    int line = 0;
    std::string text; // "station elevation"
    std::string length, radius;
};

struct LandXmlProfAlign {
    std::string name;
    int line = 0;
    std::vector<LandXmlProfilePoint> points;
};

struct LandXmlCantStation {
    int line = 0;
    std::string station, appliedCant;
};

struct LandXmlAlignment {
    std::string name;
    int line = 0;
    std::string staStart, length;
    bool hasCoordGeom = false;
    std::vector<LandXmlGeometry> elements;
    std::vector<LandXmlEquation> equations;
    std::vector<LandXmlProfAlign> profAligns;
    std::vector<LandXmlCantStation> cant;
};

struct LandXmlFile {
    std::string fileName; // as shown to the user: the name without its folder
    std::string rootName; // the local name of the root element
    LandXmlUnits units;
    std::vector<LandXmlAlignment> alignments;
    // Set when the XML reader stopped: what stopped it, and the line it stopped on.
    std::string readError;
    int readErrorLine = 0;
};
