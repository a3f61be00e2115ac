// The line read and the profile read, as the LandXML export writes them: the
// elements of the model in line order (an IP table's with the main points it
// computes), each from its start to the next element's start (the last to the
// line's end), elements of length 0 left out; its station equations, its cant rows
// with the hand of the nearest curve, and the profile's points, all at internal
// stations.
#pragma once

#include "alignment/alignment.h"
#include "landxml/landxml_export.h"
#include "route/vertical_profile.h"

// `profile` may be null: no profile is written.
ExportAlignment ExportedLine(const Alignment& line, const VerticalProfile* profile);
