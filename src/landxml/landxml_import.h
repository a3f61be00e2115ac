// Import of a LandXML file's alignments into the field book: every Alignment with a
// CoordGeom becomes an element table named by the alignment (its Cant as CANT rows),
// followed by its profile table, each under a line saying where it came from; then
// a summary of what was read and what was left out and why.
#pragma once

#include <string>

#include "landxml/landxml_data.h"

struct LandXmlImport {
    // The text to append: "\r\n" ahead of it and after every line. Empty when refused.
    std::string text;
    // Why nothing is imported, naming the file, its line and the element; empty when
    // the file is imported.
    std::string refusal;
    int alignments = 0, elements = 0, equations = 0;
};

// Refused: a file the XML reader stopped on (not well-formed, or holding a DTD), a
// root element other than LandXML, units other than meter, foot and USSurveyFoot, a
// spiral that is not a clothoid, an unsymmetric parabola, decreasing stations, a
// curve given only by its PI, an element other than Line, Curve and Spiral, a value
// that is not a number.
LandXmlImport ImportLandXml(const LandXmlFile& file);
