// A line given by an IP table, as the one model of the line: its elements in line
// order (the straight into each curve, then its entry spiral, circle and exit
// spiral; a last straight to END), each with its own calculator's kernels; the main
// points and IPs a plan marks, the tangent polygon, and the cant of every curve as
// rows: 0 at NSK1, h at KSK1 and KSK2, 0 at NSK2.
//
// The elements' station ranges (which stations each sets out): a straight from its
// start (START or the previous NSK2) to NSK1 (or END); a spiral from NSK1 to KSK1
// (KSK2 to NSK2) by the spiral's count; the circle from PK_NKK + L/2 to
// PK_KKK - L/2, where a station in the sliver between a spiral's and the circle's
// count is set out at the circle's end. The circle is drawn from KSK1 to KSK2.
#pragma once

#include <string>

#include "alignment/alignment.h"
#include "route/route.h"

Alignment BuildIpLine(const Route& route);

// The Elements report of the line after its title and notes: START, each IP with
// its elements and main points, END and the line's length. Lines end CR LF.
std::string IpLineReport(const Route& route);
