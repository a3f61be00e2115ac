// The points of the last trace or set-out on the line as a CSV file for the
// instrument: a header line, then one line a point, comma separated, lines ending
// with CR LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "route/line_session.h"

// The order of the coordinates in the file: "name,Y,X,H" or "name,X,Y,H".
enum class CsvAxes { YX, XY };

struct ExportedPoint {
    std::string name;
    double Y, X;
    std::optional<double> H; // the surveyed level of a traced point, the design level of one set out
};

// The points of whichever of the last trace and the last set-out came last; none
// before either.
std::vector<ExportedPoint> LastPointsOnLine(const LineSession& session);

// The name as a CSV field: in quotes, its quotes doubled, when it holds a comma, a
// quote or a line break; as it is otherwise.
std::string CsvField(std::string_view name);

// The file: the header "name,Y,X,H" (or "name,X,Y,H"), then each point's name, its
// coordinates with the Linears decimals and its level (empty when it has none).
std::string PointsCsv(const std::vector<ExportedPoint>& points, CsvAxes axes);
