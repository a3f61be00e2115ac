// The CoordGeom of an alignment as rows of an element table: each Line, Curve and
// Spiral anchored at the file's Start, its start direction computed from the file's
// coordinates (never from a dir attribute), its stations design stations.
#pragma once

#include <string>
#include <vector>

#include "landxml/import_context.h"
#include "landxml/track_path.h"

// One element as the file gives it, in metres.
struct FileElement {
    const char* kind = "STRAIGHT"; // STRAIGHT, ARC or SPIRAL: the row's keyword
    const char* fileKind = "Line"; // as the file names it
    int line = 0;
    TrackPath path;
    double R1 = 0, R2 = 0; // signed radii, 0 for none (an arc: both its radius)
    double endY = 0, endX = 0;
};

// The elements of the alignment, in metres, each checked against its End in the
// file (a note where it lands more than 1 mm away). Zero-length elements are left
// out with a note.
std::vector<FileElement> ReadFileElements(AlignmentContext& context);

// The station equations of the alignment, applied where they fall within it
// (stations.equations filled; an equation within 1 mm of a joint moved onto it),
// left out with a note where not. staStart and staEnd must be set.
void ReadStationEquations(AlignmentContext& context, const std::vector<FileElement>& elements);

// The element rows and the END row, "\r\n" after each; an element with an equation
// inside it is written as two rows that meet there.
std::string ElementRows(const AlignmentContext& context, const std::vector<FileElement>& elements);
