#include "pictures/offset_chart.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "pictures/round_numbers.h"

namespace {
// The panel's value range: symmetric about zero, a tenth beyond the farthest point,
// rounded out to a tick.
constexpr double Headroom = 1.1;

ChartPanel Panel(ChartPickets pickets, double most, const DrawingArea& area, const char* name) {
    ChartPanel panel{area, pickets.from, pickets.to, 0, 0, 0, 0, name};
    panel.PKinterval = GridInterval(panel.PKlo, panel.PKhi);
    panel.interval = GridInterval(-most * Headroom, most * Headroom);
    const double reach = std::max(std::ceil(most * Headroom / panel.interval), 1.0) * panel.interval;
    panel.lo = -reach, panel.hi = reach;
    return panel;
}

// The value range when no point is farther off.
constexpr double LeastValueRange = 0.01;
} // namespace

std::vector<ChartBand> RouteBands(const Alignment& line) {
    std::vector<ChartBand> bands;
    for (const AlignmentElement& e : line.elements)
        bands.push_back({e.kind, e.drawFrom, e.drawTo, e.bandName});
    return bands;
}

DevicePoint ChartToDevice(const ChartPanel& panel, double PK, double value) {
    return {panel.area.left + (PK - panel.PKlo) / (panel.PKhi - panel.PKlo) * panel.area.width,
            panel.area.top + (panel.hi - value) / (panel.hi - panel.lo) * panel.area.height};
}

std::vector<ChartPanel> ChartPanels(const Alignment& line, const std::vector<TracedRoutePoint>& points,
                                    const DrawingArea& area, const TraceTolerances* tolerances) {
    return ChartPanels(ChartPickets{line.start.PK, line.end.PK}, points, area, tolerances);
}

std::vector<ChartPanel> ChartPanels(ChartPickets pickets, const std::vector<TracedRoutePoint>& points,
                                    const DrawingArea& area, const TraceTolerances* tolerances) {
    double mostD = LeastValueRange, mostDH = LeastValueRange;
    if (tolerances != nullptr) {
        mostD = std::max(mostD, tolerances->d.value_or(0));
        mostDH = std::max(mostDH, tolerances->dH.value_or(0));
    }
    bool levels = false;
    for (const TracedRoutePoint& p : points) {
        if (std::isfinite(p.d)) mostD = std::max(mostD, std::abs(p.d));
        if (p.dH && std::isfinite(*p.dH)) mostDH = std::max(mostDH, std::abs(*p.dH)), levels = true;
    }
    if (!levels) return {Panel(pickets, mostD, area, "d")};
    // A gap of a tenth of the height between the panels, for the picket labels.
    const double gap = area.height / 10, half = (area.height - gap) / 2;
    return {Panel(pickets, mostD, {area.left, area.top, area.width, half}, "d"),
            Panel(pickets, mostDH, {area.left, area.top + half + gap, area.width, half}, "dH")};
}

BandNaming NameBands(const std::vector<ChartBand>& bands, ChartPickets shown, double left, double width,
                     double gap, const std::function<double(const std::string&)>& textWidth) {
    BandNaming naming;
    if (!(shown.to > shown.from)) return naming;
    const auto toX = [&](double PK) { return left + (PK - shown.from) / (shown.to - shown.from) * width; };
    std::vector<std::string> entries;
    double lastRight = -INFINITY; // the right edge of the last text placed above
    bool lastIsKey = false;
    for (const ChartBand& band : bands) {
        if (band.to <= shown.from || band.from >= shown.to) continue;
        const double from = toX(std::max(band.from, shown.from)), to = toX(std::min(band.to, shown.to));
        const double centre = (from + to) / 2, nameWidth = textWidth(band.name);
        if (nameWidth + gap <= to - from && centre - nameWidth / 2 >= lastRight + gap) {
            naming.above.push_back({band.name, centre});
            lastRight = centre + nameWidth / 2, lastIsKey = false;
            continue;
        }
        const std::string key = std::to_string(entries.size() + 1);
        const double keyWidth = textWidth(key);
        if (lastIsKey && centre - keyWidth / 2 < lastRight + gap) {
            // Too close to the key before: named under that key.
            std::string& entry = entries.back();
            if (!entry.ends_with(" " + band.name)) entry += ", " + band.name;
            continue;
        }
        const double x = std::max(centre, lastRight + gap + keyWidth / 2);
        naming.above.push_back({key, x});
        entries.push_back(key + " " + band.name);
        lastRight = x + keyWidth / 2, lastIsKey = true;
    }
    std::string row;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string joined = row.empty() ? entries[i] : row + "   " + entries[i];
        if (row.empty() || textWidth(joined) <= width) {
            row = joined;
            continue;
        }
        if (naming.legendRows.size() + 1 == static_cast<std::size_t>(LegendRows)) {
            row += "   ...";
            break;
        }
        naming.legendRows.push_back(row);
        row = entries[i];
    }
    if (!row.empty()) naming.legendRows.push_back(row);
    return naming;
}

std::optional<double> PanelTolerance(const ChartPanel& panel, const TraceTolerances* tolerances) {
    if (tolerances == nullptr) return std::nullopt;
    return std::string_view(panel.valueName) == "d" ? tolerances->d : tolerances->dH;
}
