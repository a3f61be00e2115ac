// Quarel > Line > Export LandXML...: the line read and the profile read written as
// one LandXML 1.2 file chosen in a Save dialog.
#pragma once

#include <windows.h>

// Runs only once a line has been read (the command's precondition).
void ExportLandXmlCommand(HWND owner);
