#include "elements/point_table.h"

#include <string>

#include "text/line_fields.h"

std::string PointTable(std::span<const TextLine> lines,
                       const std::function<bool(const PointLine& point, std::string& table)>& traceOne,
                       const std::function<std::string()>& summaryEnd,
                       const std::function<bool(const TextLine& line, std::string& why)>& ownLine) {
    std::string table;
    // Room for a line of 160 characters a point (untouched room costs nothing),
    // grown as needed: a table of many points is then not copied as it grows.
    table.reserve(lines.size() * 160);
    int traced = 0, outside = 0, skipped = 0;
    std::string why;
    for (const TextLine& line : lines) {
        if (ownLine && ownLine(line, why)) {
            if (!why.empty()) {
                ++skipped;
                table += SkippedLineNote(line.number, line.text, why);
                why.clear();
            }
            continue;
        }
        const PointLine point = ReadPointLine(line.text, line.number);
        if (point.kind == PointLine::Kind::Blank) continue;
        if (point.kind == PointLine::Kind::Unreadable) {
            ++skipped;
            table += SkippedLineNote(line.number, line.text, point.whyUnreadable);
            continue;
        }
        (traceOne(point, table) ? traced : outside) += 1;
        table += "\r\n";
    }
    table += "Points: " + std::to_string(traced) + " traced, " + std::to_string(outside) + " outside, " +
             std::to_string(skipped) + " skipped";
    if (summaryEnd) table += summaryEnd();
    table += "\r\n";
    return table;
}
