// The table of points that every trace of many points shares: one line per point
// line of the selection, the notes of the lines it skips, and the counts.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "elements/point_line_reader.h"
#include "text/selected_lines.h"

// For each point line, the line `traceOne` appends to the table (without its CR LF;
// it returns whether the point was traced); the skipped notes in their places;
// blank lines passed over; and last "Points: n traced, m outside, k skipped", and
// what summaryEnd gives, when there is one, after all points were traced.
// ownLine, when given, claims lines that are no point lines but the caller's (a
// TOL line): it returns true for one, which is passed over, or noted as skipped
// with the reason it puts in `why`.
std::string PointTable(std::span<const TextLine> lines,
                       const std::function<bool(const PointLine& point, std::string& table)>& traceOne,
                       const std::function<std::string()>& summaryEnd = nullptr,
                       const std::function<bool(const TextLine& line, std::string& why)>& ownLine = nullptr);
