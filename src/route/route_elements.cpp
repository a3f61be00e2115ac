#include "route/route_elements.h"

#include "route/element_line.h"
#include "route/ip_line.h"

namespace {
constexpr const char* Title = "\r\nElements of the line\r\n";

RouteElements Refused(const std::string& refusal) {
    return {std::string(Title) + "!Line not read: " + refusal + "!\r\n", std::nullopt};
}

RouteElements ReadIpLine(std::span<const TextLine> lines) {
    const IpTableReading reading = ReadIpTable(lines);
    if (!reading.refusal.empty()) return Refused(reading.refusal);
    const RouteBuild build = BuildRoute(reading.table);
    if (!build.refusal.empty()) return Refused(build.refusal);
    return {Title + reading.skippedNotes + IpLineReport(build.line), BuildIpLine(build.line)};
}

RouteElements ReadElementLine(std::span<const TextLine> lines) {
    const ElementTableReading reading = ReadElementTable(lines);
    if (!reading.refusal.empty()) return Refused(reading.refusal);
    ElementLineBuild build = BuildElementLine(reading.table);
    if (!build.refusal.empty()) return Refused(build.refusal);
    return {Title + reading.skippedNotes + build.report, std::move(build.line)};
}
} // namespace

RouteElements ReadRouteElements(std::span<const TextLine> lines) {
    return HoldsElementTable(lines) ? ReadElementLine(lines) : ReadIpLine(lines);
}
