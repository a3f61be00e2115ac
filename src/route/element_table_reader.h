// A line given as a table of its elements, as designs come from other software, one
// row a line, the first field saying which:
//   ELEMENTS <name>                       the table's start and the line's name
//   STRAIGHT <PK> <Y> <X> <AZ> <L>        a straight
//   ARC      <PK> <Y> <X> <AZ> <L> <R>    a circular arc
//   SPIRAL   <PK> <Y> <X> <AZ> <L> <R1> <R2>  a clothoid from radius R1 to R2
//   CANT     <PK> <h>                     the applied cant in mm at a station
//   END      <PK> <Y> <X>                 the line's end
// PK is the design station of the element's start, Y X its start point, AZ the
// tangent's direction there in decimal degrees clockwise from north (X) toward east
// (Y), L its length; a radius is positive curving right, negative left, and 0 (in a
// spiral) no curvature. The word is read in any case and fields are split as in the
// IP table; blank lines are passed over and any other line is skipped and noted.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "alignment/alignment.h"
#include "text/selected_lines.h"

// A table holds at most this many elements; a longer one is refused whole.
constexpr int MaxTableElements = 40000;

struct TableElement {
    AlignmentElementKind kind;
    int lineNumber;
    double PK, Y, X, AZ, L;
    double R1 = 0, R2 = 0; // an arc's radius in both; 0 for a straight
};

struct TableCant {
    int lineNumber;
    double PK, h;
};

struct ElementTable {
    std::string name;
    std::vector<TableElement> elements;
    std::vector<TableCant> cant;
    int endLine = 0;
    double PK_end = 0, Y_end = 0, X_end = 0;
};

struct ElementTableReading {
    ElementTable table;
    std::string skippedNotes; // "! Line 2 skipped: ..." each ended by CR LF
    std::string refusal;      // empty when the table was read
};

// Whether the lines hold an element table (a line that begins with ELEMENTS) rather
// than an IP table.
bool HoldsElementTable(std::span<const TextLine> lines);

// Refused: no ELEMENTS line ahead of every row or more than one, no END after every
// row or more than one, a row that lacks a finite number it needs (a field that is
// no number quoted), a length not above 0, an arc of radius 0, no element, or more
// than MaxTableElements elements.
ElementTableReading ReadElementTable(std::span<const TextLine> lines);
