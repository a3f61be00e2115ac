// A route's profile as a surveyor types or pastes it into the field book, one point
// a line, the first field saying which:
//   PSTART <PK> <H>             the profile's first point: its picket and level
//   PVI <name> <PK> <H> <Rv>    a grade break: its picket and level, and the radius
//                               of its vertical curve (0: a break with no curve)
//   PEND <PK> <H>               the profile's last point
// Read as the IP table is: the word in any case, the same field separators, fields
// after the ones a line needs ignored, blank lines passed over and any other line
// skipped and noted. Lines are numbered as the document numbers them.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "text/selected_lines.h"

// A profile holds at most this many PVIs; a longer one is refused whole.
constexpr int MaxProfilePvis = 10000;

struct TablePvi {
    std::string name; // as typed, control bytes shown as "?"
    int lineNumber;   // the document's, 1 for its first line
    double PK, H, Rv;
};

struct ProfileTable {
    double PK_start = 0, H_start = 0;
    std::vector<TablePvi> pvis;
    double PK_end = 0, H_end = 0;
};

struct ProfileTableReading {
    ProfileTable table;
    // The notes of the skipped lines ("! Line 2 skipped: ..."), each ended by CR LF.
    std::string skippedNotes;
    // Why the table cannot be a profile, in plain words; empty when it was read.
    std::string refusal;
};

// Refused: no PSTART line ahead of every PVI and the PEND line, no PEND line after
// every PVI, a second PSTART or PEND line, a line that lacks a number or holds one
// that is unreadable, not finite or beyond what track can have (a picket, a level,
// a vertical radius: the limits of geometry/tolerances.h), two PVIs of one name, more than MaxProfilePvis
// PVIs. The geometry (pickets, radii, curves) is judged by BuildVerticalProfile.
ProfileTableReading ReadProfileTable(std::span<const TextLine> lines);
