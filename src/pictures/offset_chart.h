// The chart of offsets along the line: the picket across, the offset d up (right of
// the line above the zero line), one marker per traced point, every element's
// stretch as a band with its name; and, when the trace compared levels, a second
// panel below with dH on the same picket axis.
#pragma once

#include <functional>
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

// The picket range a chart shows: the whole line, or a part of it zoomed to.
struct ChartPickets {
    double from, to;
};
// The same panels over the picket range given (the value ranges still from every
// point, so that zooming along the line keeps the offsets' scale).
std::vector<ChartPanel> ChartPanels(ChartPickets pickets, const std::vector<TracedRoutePoint>& points,
                                    const DrawingArea& area, const TraceTolerances* tolerances = nullptr);

// The tolerance of a panel's value (d or dH) in a check with tolerances; none otherwise.
std::optional<double> PanelTolerance(const ChartPanel& panel, const TraceTolerances* tolerances);

// How the bands shown are named above the chart: a band whose name fits it (with a
// gap) is named in place; a narrower one gets a key ("1", "2"...) above it, and the
// legend below the chart says what each key stands for ("1 spiral VU1"). A narrow
// band whose key would meet the key before it shares that key ("1 spiral VU1,
// circle VU1"), so every band shown is named, however far the chart is zoomed out.
struct BandLabel {
    std::string text;
    double x; // the centre of the text, in device units
};
struct BandNaming {
    std::vector<BandLabel> above;
    // The legend's entries, three blanks apart, in rows of at most the chart's
    // width; at most LegendRows, the last ended by "..." when more would follow.
    std::vector<std::string> legendRows;
};
constexpr int LegendRows = 3;
// `left` and `width`: the chart's panel across, in device units; textWidth measures
// a text in the same units.
BandNaming NameBands(const std::vector<ChartBand>& bands, ChartPickets shown, double left, double width,
                     double gap, const std::function<double(const std::string&)>& textWidth);
