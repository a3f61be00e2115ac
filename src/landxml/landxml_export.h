// A line and its profile as one LandXML 1.2 file, built as a tree of elements with
// their attributes and texts formatted: Units (metric, metres), Application, the
// Alignment with its CoordGeom (Line, Curve with Start/Center/End, Spiral clothoid
// with Start/PI/End), StaEquations, Profile/ProfAlign (PVI, ParaCurve) and Cant.
// Lengths, stations, coordinates and levels carry 8 decimals, points "northing
// easting", cant 4 decimals of a millimetre. A Curve's centre and a Spiral's PI
// are computed from its Start, End, length and radii alone, so a file read back
// and written again gives the same figures.
#pragma once

#include <string>
#include <vector>

#include "landxml/xml_element.h"

// The decimals of every length, station, coordinate and level written.
constexpr int ExportDecimals = 8;

enum class ExportKind { Line, Curve, Spiral };

// One element: its start and end points, its length and its curvature at both ends
// (1 / radius, positive curving right, 0 for none).
struct ExportElement {
    ExportKind kind;
    double Y, X, endY, endX, length, k1, k2;
};

// Stations are internal stations: the alignment's staStart plus the distance along it.
struct ExportEquation {
    double internal, back, ahead;
};

// A point of the profile; a vertical curve's length (0 for none).
struct ExportProfilePoint {
    double internal, H, curveLength;
};

// The applied cant in millimetres, on a curve to the right or to the left.
struct ExportCant {
    double internal, h;
    bool right;
};

struct ExportAlignment {
    std::string name;
    double staStart = 0;
    std::vector<ExportElement> elements;
    std::vector<ExportEquation> equations;
    std::vector<ExportProfilePoint> profile; // none, or the first and last point and the PVIs between
    std::vector<ExportCant> cant;
};

// When the file is written: "2024-05-31" and "14:05:09".
struct ExportStamp {
    std::string date, time;
};

// The whole file's root element, LandXML.
XmlElement LandXmlDocument(const ExportAlignment& alignment, const ExportStamp& stamp);

// The gauge written with the cant (the field book holds none): standard gauge, metres.
constexpr const char* ExportGauge = "1.435";
