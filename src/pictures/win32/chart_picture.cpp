#include "pictures/win32/chart_picture.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pictures/label_placement.h"
#include "pictures/offset_chart.h"
#include "pictures/round_numbers.h"
#include "route/line_session.h"

namespace {
using K = AlignmentElementKind;

// Margins of the chart, in millimetres: the value labels at the left, the band names
// above, the picket labels below.
constexpr double LeftMargin = 14, RightMargin = 4, TopMargin = 7, BottomMargin = 8;
constexpr double LabelPoints = 8, MarkerRadius = 0.8, LabelGap = 1.2;

COLORREF BandColour(K kind) {
    switch (kind) {
    case K::Straight:
        return RGB(255, 255, 255);
    case K::Arc:
        return RGB(215, 235, 255);
    default:
        return RGB(255, 246, 200);
    }
}

void Line(HDC dc, DevicePoint a, DevicePoint b) {
    const POINT points[] = {ToPoint(a), ToPoint(b)};
    Polyline(dc, points, 2);
}

void WriteCentred(HDC dc, const std::string& text, double x, double y) {
    WriteText(dc, CentredBox(dc, text, x, y), text);
}

// The bands behind a panel, one brush for each kind.
void DrawBands(HDC dc, const ChartPanel& panel, const std::vector<ChartBand>& bands) {
    const double top = panel.area.top, bottom = panel.area.top + panel.area.height;
    const HBRUSH brushes[] = {CreateSolidBrush(BandColour(K::Straight)), CreateSolidBrush(BandColour(K::Spiral)),
                              CreateSolidBrush(BandColour(K::Arc))};
    for (const ChartBand& band : bands) {
        if (band.to <= panel.PKlo || band.from >= panel.PKhi) continue;
        const double left = ChartToDevice(panel, std::max(band.from, panel.PKlo), 0).x;
        const double right = ChartToDevice(panel, std::min(band.to, panel.PKhi), 0).x;
        const POINT from = ToPoint({left, top}), to = ToPoint({right, bottom});
        const RECT rect{from.x, from.y, std::max(to.x, from.x + 1), to.y};
        FillRect(dc, &rect, brushes[band.kind == K::Straight ? 0 : band.kind == K::Arc ? 2 : 1]);
    }
    for (HBRUSH brush : brushes)
        DeleteObject(brush);
}

// The ticks and labels of both axes, the frame and the zero line.
void DrawAxes(HDC dc, const ChartPanel& panel, const DeviceStyle& style) {
    const double left = panel.area.left, right = left + panel.area.width;
    const double top = panel.area.top, bottom = top + panel.area.height, mm = style.unitsPerMm;
    {
        Selected pen(dc, PicturePen(style, 0.1, RGB(200, 200, 200)));
        for (double v : GridValues(panel.lo, panel.hi, panel.interval)) {
            const double y = ChartToDevice(panel, panel.PKlo, v).y;
            Line(dc, {left, y}, {right, y});
            const std::string text = GridValueText(v, panel.interval);
            WriteCentred(dc, text, left - mm - TextSize(dc, text).cx / 2.0, y);
        }
        for (double PK : GridValues(panel.PKlo, panel.PKhi, panel.PKinterval)) {
            const double x = ChartToDevice(panel, PK, 0).x;
            Line(dc, {x, top}, {x, bottom + mm});
            WriteCentred(dc, GridValueText(PK, panel.PKinterval), x, bottom + mm + TextSize(dc, "0").cy / 2.0);
        }
    }
    Selected pen(dc, PicturePen(style, 0.25, RGB(0, 0, 0)));
    const POINT frame[] = {ToPoint({left, top}), ToPoint({right, top}), ToPoint({right, bottom}),
                           ToPoint({left, bottom}), ToPoint({left, top})};
    Polyline(dc, frame, 5);
    const double zero = ChartToDevice(panel, panel.PKlo, 0).y;
    Line(dc, {left, zero}, {right, zero});
    WriteText(dc, {left + mm, top + mm / 2, 0, 0}, panel.valueName);
}

// The chart's panels within the area: the margins for the axes' labels and the band
// names, and below them room for the legend's rows.
DrawingArea InnerArea(const DrawingArea& area, double mm, std::size_t legendRows = 0, double rowHeight = 0) {
    return {area.left + LeftMargin * mm, area.top + TopMargin * mm, area.width - (LeftMargin + RightMargin) * mm,
            area.height - (TopMargin + BottomMargin) * mm - static_cast<double>(legendRows) * rowHeight};
}

// The whole line across, or the pickets zoomed to.
ChartPickets ShownPickets(const Alignment& line, const std::optional<ChartPickets>& zoomed) {
    return zoomed ? *zoomed : ChartPickets{line.start.PK, line.end.PK};
}

// Boxes that the points' labels keep off within the panels: the value's name at the
// top left of each, and the picket labels under every panel but the last (under the
// last they lie outside the panels).
std::vector<LabelBox> AxisLabelBoxes(HDC dc, const std::vector<ChartPanel>& panels, double mm) {
    std::vector<LabelBox> boxes;
    const double labelHeight = TextSize(dc, "0").cy;
    for (const ChartPanel& panel : panels) {
        const double left = panel.area.left, top = panel.area.top, bottom = top + panel.area.height;
        const SIZE name = TextSize(dc, panel.valueName);
        boxes.push_back({left, top, left + mm + name.cx + mm, top + mm / 2 + name.cy});
        boxes.push_back({left, bottom, left + panel.area.width, bottom + mm + labelHeight});
    }
    return boxes;
}

// The tolerance band of a panel: a line at +tolerance and one at -tolerance.
void DrawToleranceBand(HDC dc, const ChartPanel& panel, const DeviceStyle& style, double tolerance) {
    Selected pen(dc, PicturePen(style, 0.25, ChartBandLineColour));
    const double left = panel.area.left, right = left + panel.area.width;
    for (const double v : {tolerance, -tolerance}) {
        const double y = ChartToDevice(panel, panel.PKlo, v).y;
        Line(dc, {left, y}, {right, y});
    }
}

void DrawChart(HDC dc, const DrawingArea& area, const DeviceStyle& style, const Alignment* line,
               const LineSession& results, const std::optional<ChartPickets>& zoomed) {
    FillArea(dc, area, RGB(255, 255, 255));
    if (line == nullptr) return;
    const int saved = SaveDC(dc);
    const double mm = style.unitsPerMm;
    Selected font(dc, PictureFont(style, LabelPoints));
    const TextMeasure measure(dc);
    const std::vector<ChartBand> bands = RouteBands(*line);
    const ChartPickets shown = ShownPickets(*line, zoomed);
    const DrawingArea across = InnerArea(area, mm);
    const BandNaming naming = NameBands(bands, shown, across.left, across.width, mm,
                                        [&](const std::string& text) { return measure.Width(text); });
    const DrawingArea inner = InnerArea(area, mm, naming.legendRows.size(), measure.Height());
    if (inner.width <= 0 || inner.height <= 0) return void(RestoreDC(dc, saved));
    SetPolyFillMode(dc, WINDING); // markers drawn over one another stay filled
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const TraceTolerances* tolerances =
        results.TraceTolerancesGiven() ? &*results.TraceTolerancesGiven() : nullptr;
    const std::vector<ChartPanel> panels = ChartPanels(shown, results.TracedPoints(), inner, tolerances);
    std::vector<LabelRequest> requests;
    std::vector<std::string> names;
    std::vector<LabelBox> obstacles = AxisLabelBoxes(dc, panels, mm);
    const double r = MarkerRadius * mm;
    for (std::size_t i = 0; i < panels.size(); ++i) {
        const ChartPanel& panel = panels[i];
        DrawBands(dc, panel, bands);
        DrawAxes(dc, panel, style);
        const std::optional<double> tolerance = PanelTolerance(panel, tolerances);
        if (tolerance) DrawToleranceBand(dc, panel, style, *tolerance);
        // The points within the tolerance, and those over it in a colour of their own.
        ShapeBatch squares, overSquares;
        for (const TracedRoutePoint& p : results.TracedPoints()) {
            const double value = i == 0 ? p.d : p.dH.value_or(NAN);
            if (!std::isfinite(value) || p.PK < shown.from || p.PK > shown.to) continue;
            const DevicePoint at = ChartToDevice(panel, p.PK, value);
            requests.push_back({at, measure.Width(p.name), measure.Height()});
            names.push_back(p.name);
            ShapeBatch& batch = tolerance && std::fabs(value) > *tolerance ? overSquares : squares;
            if (batch.AlreadyAt(ToPoint(at))) continue;
            batch.Add({ToPoint({at.x - r, at.y - r}), ToPoint({at.x + r, at.y - r}), ToPoint({at.x + r, at.y + r}),
                         ToPoint({at.x - r, at.y + r})});
            obstacles.push_back({at.x - r, at.y - r, at.x + r, at.y + r});
        }
        for (auto [batch, colour] : {std::pair{&squares, ChartPointColour}, std::pair{&overSquares, ChartOverColour}}) {
            Selected pen(dc, PicturePen(style, 0.1, colour));
            Selected brush(dc, CreateSolidBrush(colour));
            batch->DrawPolygons(dc);
        }
    }
    for (const BandLabel& label : naming.above)
        WriteCentred(dc, label.text, label.x, inner.top - TopMargin * mm / 2);
    const double legendTop = inner.top + inner.height + BottomMargin * mm;
    for (std::size_t row = 0; row < naming.legendRows.size(); ++row)
        WriteText(dc, {inner.left, legendTop + static_cast<double>(row) * measure.Height(), 0, 0},
                  naming.legendRows[row]);
    // The points' labels stay within the panels, off the axes' labels.
    const auto boxes = PlaceLabels(requests, LabelGap * mm, inner, obstacles);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i]) WriteText(dc, *boxes[i], names[i]);
    RestoreDC(dc, saved);
}

// Zooms and pans along the picket axis only, with the plan's view arithmetic: the
// picket is the view's Y, across the panels' width; the offsets keep their scale.
class ChartPicture : public Picture {
  public:
    const char* Title() const override { return ChartTitle; }
    bool Update(bool anotherLine) override {
        anotherLine = anotherLine || line_ == nullptr;
        line_ = TheLineSession().Line();
        return anotherLine;
    }
    void Fit(const DrawingArea&) override { zoomed_.reset(); }
    void Zoom(const DrawingArea& area, DevicePoint about, double factor) override {
        if (line_ == nullptr) return;
        across_ = InnerArea(area, unitsPerMm_);
        Show(ZoomAbout(View(), across_, {about.x, across_.top}, factor));
    }
    void Pan(double dx, double) override {
        if (line_ == nullptr) return;
        Show(PanBy(View(), dx, 0));
    }
    void Draw(HDC dc, const DrawingArea& area, const DeviceStyle& style) override {
        unitsPerMm_ = style.unitsPerMm;
        across_ = InnerArea(area, unitsPerMm_);
        DrawChart(dc, area, style, line_, TheLineSession(), zoomed_);
    }
    // The page shows the pickets the screen shows.
    std::string DrawOnPage(HDC dc, const DrawingArea& page, const DeviceStyle& style, const DrawingArea&) override {
        DrawChart(dc, page, style, line_, TheLineSession(), zoomed_);
        return "";
    }

  private:
    // The pickets shown as a view across the panels: the picket at their centre and
    // the device units per metre of picket.
    GroundView View() const {
        const ChartPickets shown = ShownPickets(*line_, zoomed_);
        const double length = shown.to - shown.from;
        return {(shown.from + shown.to) / 2, 0, length > 0 && across_.width > 0 ? across_.width / length : 1};
    }
    void Show(const GroundView& view) {
        const GroundExtent visible = VisibleGround(view, across_);
        zoomed_ = ChartPickets{visible.minY, visible.maxY};
    }

    const Alignment* line_ = nullptr;
    std::optional<ChartPickets> zoomed_; // none: the whole line
    double unitsPerMm_ = 1;
    DrawingArea across_{0, 0, 1, 1}; // the panels' area on screen, as last drawn
};
} // namespace

std::unique_ptr<Picture> MakeChartPicture() {
    return std::make_unique<ChartPicture>();
}
