// The chart of offsets along the line: the picket across, the offset d up (right of
// the line above the zero line), one marker per traced point, every element's
// stretch as a band with its name; and, when the trace compared levels, a second
// panel below with dH on the same picket axis.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "alignment/alignment.h"
#include "pictures/ground_view.h"
#include "route/line_session.h"

struct ChartBand {
    AlignmentElementKind kind;
    double from, to; // pickets
    std::string name; // "straight", "spiral VU1", "circle VU1", "arc 3"
};
std::vector<ChartBand> RouteBands(const Alignment& line);

// One panel: the picket range across, a value range up, and their tick intervals.
struct ChartPanel {
    DrawingArea area;
    double PKlo, PKhi, lo, hi;
    double PKinterval, interval;
    const char* valueName; // "d" or "dH"
};

DevicePoint ChartToDevice(const ChartPanel& panel, double PK, double value);

// The panels for the traced points in `area`: the picket range of the whole line,
// the value range symmetric about zero, a tenth beyond the farthest point and
// rounded out to its tick interval (at least one interval either side). A second panel for dH when any point has one;
// the two share the height. With the tolerances of a check, each range holds its
// tolerance band too.
std::vector<ChartPanel> ChartPanels(const Alignment& line, const std::vector<TracedRoutePoint>& points,
                                    const DrawingArea& area, const TraceTolerances* tolerances = nullptr);

// The tolerance of a panel's value (d or dH) in a check with tolerances; none otherwise.
std::optional<double> PanelTolerance(const ChartPanel& panel, const TraceTolerances* tolerances);
