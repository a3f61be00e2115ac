// A LandXML file written through Windows' own XML writer, XmlLite (xmllite.dll,
// loaded when first needed): the element tree the export builds, indented, in
// UTF-8, put in the file's place as the field book is saved (whole or not at all).
#pragma once

#include <string>

#include "landxml/landxml_export.h"
#include "landxml/xml_element.h"

// Writes `root` to `path`; false with `failure` saying why when the file is not
// written (it is then as it was before).
bool WriteLandXmlFile(const char* path, const XmlElement& root, std::string& failure);

// The date and time of writing: today (local time) at 00:00:00, so that a line
// exported twice on one day is the same to the byte (the file's time says the day,
// not the second); or the moment SOURCE_DATE_EPOCH gives (seconds since 1970, in
// UTC) where it is set, for outputs compared across days.
ExportStamp ExportStampNow();
