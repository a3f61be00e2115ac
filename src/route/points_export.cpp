#include "route/points_export.h"

#include "numeric/report_numbers.h"

std::vector<ExportedPoint> LastPointsOnLine(const LineSession& session) {
    std::vector<ExportedPoint> points;
    if (session.Last() == LastResults::Trace)
        for (const TracedRoutePoint& p : session.TracedPoints())
            points.push_back({p.name, p.Y, p.X, p.H});
    if (session.Last() == LastResults::SetOut)
        for (const SetOutRoutePoint& p : session.SetOutPoints())
            points.push_back({p.name, p.Y, p.X, p.H});
    return points;
}

std::string CsvField(std::string_view name) {
    if (name.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(name);
    std::string field = "\"";
    for (const char c : name)
        (field += c) += c == '"' ? "\"" : "";
    return field + "\"";
}

std::string PointsCsv(const std::vector<ExportedPoint>& points, CsvAxes axes) {
    const bool yFirst = axes == CsvAxes::YX;
    std::string csv = yFirst ? "name,Y,X,H\r\n" : "name,X,Y,H\r\n";
    for (const ExportedPoint& p : points) {
        csv += CsvField(p.name);
        // Appended piece by piece: GCC 12 at -O3 wrongly sees an overlapping copy
        // (-Wrestrict) in "," + std::string.
        ((csv += ',') += LinearText(yFirst ? p.Y : p.X)) += ',';
        (csv += LinearText(yFirst ? p.X : p.Y)) += ',';
        if (p.H) csv += LinearText(*p.H);
        csv += "\r\n";
    }
    return csv;
}
