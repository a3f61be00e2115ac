// Quarel > Line > Import LandXML: a LandXML file chosen in an Open dialog, its
// alignments appended to the field book as element tables and profiles in one
// piece, or a box saying why nothing was imported.
#pragma once

#include <windows.h>

void ImportLandXmlCommand(HWND owner, HWND edit);
