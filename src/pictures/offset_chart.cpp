#include "pictures/offset_chart.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "pictures/round_numbers.h"

namespace {
// The panel's value range: symmetric about zero, a tenth beyond the farthest point,
// rounded out to a tick.
constexpr double Headroom = 1.1;

ChartPanel Panel(const Alignment& line, double most, const DrawingArea& area, const char* name) {
    ChartPanel panel{area, line.start.PK, line.end.PK, 0, 0, 0, 0, name};
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
    if (!levels) return {Panel(line, mostD, area, "d")};
    // A gap of a tenth of the height between the panels, for the picket labels.
    const double gap = area.height / 10, half = (area.height - gap) / 2;
    return {Panel(line, mostD, {area.left, area.top, area.width, half}, "d"),
            Panel(line, mostDH, {area.left, area.top + half + gap, area.width, half}, "dH")};
}

std::optional<double> PanelTolerance(const ChartPanel& panel, const TraceTolerances* tolerances) {
    if (tolerances == nullptr) return std::nullopt;
    return std::string_view(panel.valueName) == "d" ? tolerances->d : tolerances->dH;
}
