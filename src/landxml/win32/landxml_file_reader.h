// A LandXML file read through Windows' own XML reader, XmlLite (xmllite.dll, loaded
// when first needed), into the plain data the import converts. Elements are known
// by their local names, whatever their namespace. DTDs stay prohibited (XmlLite's
// default), so no entity is expanded and no other file is read: a file with a DTD
// stops the reading like a file that is not well-formed.
#pragma once

#include "landxml/landxml_data.h"

// The file at `path`; readError set (with the line) when it cannot be opened or
// read to its end.
LandXmlFile ReadLandXmlFile(const char* path);
