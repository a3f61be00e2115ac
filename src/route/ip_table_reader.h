// A route's table of intersection points (IP) as a surveyor types or pastes it into
// the field book, one point a line, the first field saying which:
//   START <PK> <Y> <X>             the line's first point and its picket
//   IP <name> <Y> <X> <R> <L> [h]  a bend: its vertex, the radius of its circle, the
//                                  length of each of its two transition spirals and
//                                  the cant of its circle in millimetres (0 if none)
//   END <Y> <X>                    the line's last point
// The word is read in any case; fields are split as every point line is (blanks,
// tabs or semicolons; commas where none of those occur); fields after the ones a
// line needs are ignored (a code column), but for an IP's seventh field that starts
// like a number (a digit, a sign or a point): that is its cant and must be one.
// Blank lines are passed over; any other line is skipped and noted.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "text/selected_lines.h"

// A table holds at most this many IPs; a longer one is refused whole.
constexpr int MaxRouteIps = 10000;

struct TableIp {
    std::string name; // as typed, control bytes shown as "?"
    int lineNumber;   // in the text, the first line 1
    double Y, X, R, L;
    double h = 0; // the cant, in millimetres (0: none)
};

struct IpTable {
    double PK_start = 0, Y_start = 0, X_start = 0;
    std::vector<TableIp> ips;
    double Y_end = 0, X_end = 0;
};

struct IpTableReading {
    IpTable table;
    // The notes of the skipped lines ("! Line 2 skipped: ..."), each ended by CR LF.
    std::string skippedNotes;
    // Why the table cannot be a line, in plain words; empty when it was read.
    std::string refusal;
};

// Reads the lines in order; every note and refusal names a line by its number in
// the text (the first line of the text 1, as Go To counts). A table without exactly
// one START line ahead of every IP and END line, without exactly one END line after
// every IP, with a line that lacks a finite number it needs (a field that is no
// number is quoted), with a number beyond what track can have (the limits of
// geometry/tolerances.h: coordinates and pickets, a radius, a cant, a spiral too
// short to ramp its cant), or with more than MaxRouteIps IPs is refused. An IP's name is kept with
// its control bytes shown as "?".
IpTableReading ReadIpTable(std::span<const TextLine> lines);
