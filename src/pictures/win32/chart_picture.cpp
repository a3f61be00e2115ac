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

// The bands behind a panel, one brush for each kind; their names above the first
// panel where they fit.
void DrawBands(HDC dc, const ChartPanel& panel, const std::vector<ChartBand>& bands, double unitsPerMm,
               bool named) {
    const double top = panel.area.top, bottom = panel.area.top + panel.area.height;
    const TextMeasure measure(dc);
    const HBRUSH brushes[] = {CreateSolidBrush(BandColour(K::Straight)), CreateSolidBrush(BandColour(K::Spiral)),
                              CreateSolidBrush(BandColour(K::Arc))};
    for (const ChartBand& band : bands) {
        const double left = ChartToDevice(panel, band.from, 0).x, right = ChartToDevice(panel, band.to, 0).x;
        const POINT from = ToPoint({left, top}), to = ToPoint({right, bottom});
        const RECT rect{from.x, from.y, std::max(to.x, from.x + 1), to.y};
        FillRect(dc, &rect, brushes[band.kind == K::Straight ? 0 : band.kind == K::Arc ? 2 : 1]);
        if (named && measure.Width(band.name) + unitsPerMm <= right - left)
            WriteCentred(dc, band.name, (left + right) / 2, top - TopMargin * unitsPerMm / 2);
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
               const LineSession& results) {
    FillArea(dc, area, RGB(255, 255, 255));
    if (line == nullptr) return;
    const int saved = SaveDC(dc);
    const double mm = style.unitsPerMm;
    const DrawingArea inner{area.left + LeftMargin * mm, area.top + TopMargin * mm,
                            area.width - (LeftMargin + RightMargin) * mm,
                            area.height - (TopMargin + BottomMargin) * mm};
    if (inner.width <= 0 || inner.height <= 0) return void(RestoreDC(dc, saved));
    Selected font(dc, PictureFont(style, LabelPoints));
    SetPolyFillMode(dc, WINDING); // markers drawn over one another stay filled
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const std::vector<ChartBand> bands = RouteBands(*line);
    const TraceTolerances* tolerances =
        results.TraceTolerancesGiven() ? &*results.TraceTolerancesGiven() : nullptr;
    const std::vector<ChartPanel> panels = ChartPanels(*line, results.TracedPoints(), inner, tolerances);
    std::vector<LabelRequest> requests;
    std::vector<std::string> names;
    std::vector<LabelBox> markers;
    const double r = MarkerRadius * mm;
    const TextMeasure measure(dc);
    for (std::size_t i = 0; i < panels.size(); ++i) {
        const ChartPanel& panel = panels[i];
        DrawBands(dc, panel, bands, mm, i == 0);
        DrawAxes(dc, panel, style);
        const std::optional<double> tolerance = PanelTolerance(panel, tolerances);
        if (tolerance) DrawToleranceBand(dc, panel, style, *tolerance);
        // The points within the tolerance, and those over it in a colour of their own.
        ShapeBatch squares, overSquares;
        for (const TracedRoutePoint& p : results.TracedPoints()) {
            const double value = i == 0 ? p.d : p.dH.value_or(NAN);
            if (!std::isfinite(value)) continue;
            const DevicePoint at = ChartToDevice(panel, p.PK, value);
            requests.push_back({at, measure.Width(p.name), measure.Height()});
            names.push_back(p.name);
            ShapeBatch& batch = tolerance && std::fabs(value) > *tolerance ? overSquares : squares;
            if (batch.AlreadyAt(ToPoint(at))) continue;
            batch.Add({ToPoint({at.x - r, at.y - r}), ToPoint({at.x + r, at.y - r}), ToPoint({at.x + r, at.y + r}),
                         ToPoint({at.x - r, at.y + r})});
            markers.push_back({at.x - r, at.y - r, at.x + r, at.y + r});
        }
        for (auto [batch, colour] : {std::pair{&squares, ChartPointColour}, std::pair{&overSquares, ChartOverColour}}) {
            Selected pen(dc, PicturePen(style, 0.1, colour));
            Selected brush(dc, CreateSolidBrush(colour));
            batch->DrawPolygons(dc);
        }
    }
    const auto boxes = PlaceLabels(requests, LabelGap * mm, area, markers);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i]) WriteText(dc, *boxes[i], names[i]);
    RestoreDC(dc, saved);
}

class ChartPicture : public Picture {
  public:
    const char* Title() const override { return ChartTitle; }
    bool Update(bool) override {
        line_ = TheLineSession().Line();
        return false;
    }
    // The chart always fits its window: the whole line across.
    void Fit(const DrawingArea&) override {}
    void Zoom(const DrawingArea&, DevicePoint, double) override {}
    void Pan(double, double) override {}
    void Draw(HDC dc, const DrawingArea& area, const DeviceStyle& style) override {
        DrawChart(dc, area, style, line_, TheLineSession());
    }
    std::string DrawOnPage(HDC dc, const DrawingArea& page, const DeviceStyle& style, const DrawingArea&) override {
        DrawChart(dc, page, style, line_, TheLineSession());
        return "";
    }

  private:
    const Alignment* line_ = nullptr;
};
} // namespace

std::unique_ptr<Picture> MakeChartPicture() {
    return std::make_unique<ChartPicture>();
}
