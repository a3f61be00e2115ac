#include "pictures/win32/plan_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "pictures/label_placement.h"
#include "pictures/polyline_clip.h"
#include "pictures/round_numbers.h"

namespace {
// Sizes on the device, in millimetres.
constexpr double TrackWidth = 0.5, ThinWidth = 0.1, MarkerRadius = 1.0, TickReach = 1.5, LabelGap = 1.5;
constexpr double LabelPoints = 8;
// Ticks closer than this are thinned to multiples of ten times the step.
constexpr double LeastTickSpacing = 1.5;

struct Painter {
    HDC dc;
    const DrawingArea& area;
    const DeviceStyle& style;
    const GroundView& view;

    DevicePoint At(GroundPoint p) const { return ToDevice(view, area, p); }
    double Mm(double mm) const { return mm * style.unitsPerMm; }
};

// The grid lines at a round interval of the longer side, their labels at the edges:
// Y values below, X values at the left. The labels' boxes are returned for the
// other labels to keep off.
std::vector<LabelBox> DrawGrid(const Painter& p, const GroundExtent& visible) {
    const double interval = visible.Width() >= visible.Height() ? GridInterval(visible.minY, visible.maxY)
                                                                : GridInterval(visible.minX, visible.maxX);
    const std::vector<double> Ys = GridValues(visible.minY, visible.maxY, interval);
    const std::vector<double> Xs = GridValues(visible.minX, visible.maxX, interval);
    {
        Selected pen(p.dc, PicturePen(p.style, ThinWidth, GridColour));
        for (double Y : Ys) {
            const POINT line[] = {ToPoint(p.At({Y, visible.minX})), ToPoint(p.At({Y, visible.maxX}))};
            Polyline(p.dc, line, 2);
        }
        for (double X : Xs) {
            const POINT line[] = {ToPoint(p.At({visible.minY, X})), ToPoint(p.At({visible.maxY, X}))};
            Polyline(p.dc, line, 2);
        }
    }
    std::vector<LabelBox> boxes;
    SetBkMode(p.dc, OPAQUE);
    SetBkColor(p.dc, RGB(255, 255, 255));
    SetTextColor(p.dc, RGB(96, 96, 96));
    const double bottom = p.area.top + p.area.height - p.Mm(1);
    for (double Y : Ys) {
        const std::string text = GridValueText(Y, interval);
        const SIZE size = TextSize(p.dc, text);
        boxes.push_back(CentredBox(p.dc, text, p.At({Y, 0}).x, bottom - size.cy / 2.0));
        WriteText(p.dc, boxes.back(), text);
    }
    for (double X : Xs) {
        const std::string text = GridValueText(X, interval);
        const SIZE size = TextSize(p.dc, text);
        boxes.push_back(CentredBox(p.dc, text, p.area.left + p.Mm(1) + size.cx / 2.0, p.At({0, X}).y));
        WriteText(p.dc, boxes.back(), text);
    }
    SetBkMode(p.dc, TRANSPARENT);
    return boxes;
}

// The north arrow at the top right and the scale bar of one grid interval at the
// bottom right (above the grid's labels); their boxes are returned.
std::vector<LabelBox> DrawNorthAndScale(const Painter& p, const GroundExtent& visible) {
    const double right = p.area.left + p.area.width - p.Mm(6), top = p.area.top + p.Mm(4);
    Selected pen(p.dc, PicturePen(p.style, 0.3, RGB(0, 0, 0)));
    const POINT arrow[] = {ToPoint({right, top + p.Mm(12)}), ToPoint({right, top + p.Mm(3)}),
                           ToPoint({right - p.Mm(1.5), top + p.Mm(6)}), ToPoint({right, top + p.Mm(3)}),
                           ToPoint({right + p.Mm(1.5), top + p.Mm(6)})};
    Polyline(p.dc, arrow, 5);
    SetTextColor(p.dc, RGB(0, 0, 0));
    const LabelBox n = CentredBox(p.dc, "N", right, top);
    WriteText(p.dc, n, "N");
    // The bar: the largest round length of at most a fifth of the width.
    const double length = RoundLengthAtMost(visible.Width() / 5);
    const double units = length * p.view.unitsPerMetre;
    const double y = p.area.top + p.area.height - p.Mm(9);
    const POINT bar[] = {ToPoint({right - units, y - p.Mm(1)}), ToPoint({right - units, y}), ToPoint({right, y}),
                         ToPoint({right, y - p.Mm(1)})};
    Polyline(p.dc, bar, 4);
    const std::string text = GridValueText(length, length);
    const SIZE size = TextSize(p.dc, text);
    const LabelBox label = CentredBox(p.dc, text, right - units / 2, y - p.Mm(1) - size.cy / 2.0);
    WriteText(p.dc, label, text);
    return {{n.left, n.top, right + p.Mm(1.5), top + p.Mm(12)}, {right - units, label.top, right, y}};
}

void DrawTrack(const Painter& p, PlanContent& content, const GroundExtent& clip) {
    {
        Selected pen(p.dc, PicturePen(p.style, ThinWidth, PolygonColour, PS_DASH));
        DrawGroundPolyline(p.dc, p.view, p.area, content.polygon, clip);
    }
    const double tolerance = p.style.toleranceUnits / p.view.unitsPerMetre;
    if (content.pieces.empty() || content.piecesTolerance != tolerance) {
        content.pieces = SampleRoute(*content.line, tolerance);
        content.piecesTolerance = tolerance;
    }
    Selected pen(p.dc, PicturePen(p.style, TrackWidth, TrackColour));
    for (const TrackPiece& piece : content.pieces)
        DrawGroundPolyline(p.dc, p.view, p.area, piece.points, clip);
}

bool Inside(const GroundExtent& e, GroundPoint g) {
    return g.Y >= e.minY && g.Y <= e.maxY && g.X >= e.minX && g.X <= e.maxX;
}

// Labels waiting to be placed, each with its marker.
struct Labels {
    std::vector<LabelRequest> requests;
    std::vector<std::string> texts;

    void Add(DevicePoint at, const std::string& text) {
        requests.push_back({at, 0, 0});
        texts.push_back(text);
    }
    void Append(const Labels& more) {
        requests.insert(requests.end(), more.requests.begin(), more.requests.end());
        texts.insert(texts.end(), more.texts.begin(), more.texts.end());
    }
};

// The ticks across the line, each with its label.
void DrawTicks(const Painter& p, const PlanContent& content, const GroundExtent& clip, Labels& labels) {
    if (content.ticks.size() < 2) return;
    double every = 1;
    const double spacing = (content.ticks[1].PK - content.ticks[0].PK) * p.view.unitsPerMetre;
    while (spacing * every < p.Mm(LeastTickSpacing) && every < 1e9)
        every *= 10;
    const double step = (content.ticks[1].PK - content.ticks[0].PK) * every;
    Selected pen(p.dc, PicturePen(p.style, ThinWidth * 2, TrackColour));
    for (const PicketTick& t : content.ticks) {
        if (!Inside(clip, t.at) || std::fmod(t.PK, step) != 0) continue;
        const DevicePoint at = p.At(t.at);
        // Across the line: its direction (sinA east, cosA north) turned a right angle.
        const double ax = t.cosA * p.Mm(TickReach), ay = t.sinA * p.Mm(TickReach);
        const POINT line[] = {ToPoint({at.x - ax, at.y - ay}), ToPoint({at.x + ax, at.y + ay})};
        Polyline(p.dc, line, 2);
        labels.Add(at, t.label);
    }
}

void Diamond(HDC dc, DevicePoint at, double r) {
    const POINT corners[] = {ToPoint({at.x, at.y - r}), ToPoint({at.x + r, at.y}), ToPoint({at.x, at.y + r}),
                             ToPoint({at.x - r, at.y})};
    Polygon(dc, corners, 4);
}

void Cross(HDC dc, DevicePoint at, double r) {
    const POINT a[] = {ToPoint({at.x - r, at.y - r}), ToPoint({at.x + r + 1, at.y + r + 1})};
    const POINT b[] = {ToPoint({at.x - r, at.y + r}), ToPoint({at.x + r + 1, at.y - r - 1})};
    Polyline(dc, a, 2);
    Polyline(dc, b, 2);
}

// The set-out points as diamonds and the traced points as crosses with their names.
void DrawResults(const Painter& p, const RouteResults& results, const GroundExtent& clip, Labels& labels) {
    const double r = p.Mm(MarkerRadius);
    {
        Selected pen(p.dc, PicturePen(p.style, ThinWidth * 2, SetOutColour));
        Selected brush(p.dc, CreateSolidBrush(SetOutColour));
        for (const SetOutRoutePoint& s : results.setOutPoints)
            if (Inside(clip, {s.Y, s.X})) Diamond(p.dc, p.At({s.Y, s.X}), r);
    }
    Selected pen(p.dc, PicturePen(p.style, ThinWidth * 2, TracedColour));
    for (const TracedRoutePoint& t : results.tracedPoints) {
        if (!Inside(clip, {t.Y, t.X})) continue;
        const DevicePoint at = p.At({t.Y, t.X});
        Cross(p.dc, at, r);
        labels.Add(at, t.name);
    }
}

// The line's points, drawn over everything else: START and END as squares, IPs as
// triangles, main points as discs; each with its label, its box kept free of labels.
void DrawLineMarks(const Painter& p, const PlanContent& content, const GroundExtent& clip, Labels& labels,
                   std::vector<LabelBox>& obstacles) {
    const double r = p.Mm(MarkerRadius);
    for (MarkKind kind : {MarkKind::End, MarkKind::Ip, MarkKind::MainPoint}) {
        const COLORREF colour = kind == MarkKind::MainPoint ? MainPointColour
                                : kind == MarkKind::Ip      ? IpColour
                                                            : RGB(0, 0, 0);
        Selected pen(p.dc, PicturePen(p.style, ThinWidth * 2, colour));
        Selected brush(p.dc, CreateSolidBrush(colour));
        if (kind == MarkKind::Ip) SelectObject(p.dc, GetStockObject(NULL_BRUSH));
        for (const PlanMark& m : content.marks) {
            if (m.kind != kind || !Inside(clip, m.at)) continue;
            const DevicePoint at = p.At(m.at);
            const POINT from = ToPoint({at.x - r, at.y - r}), to = ToPoint({at.x + r + 1, at.y + r + 1});
            if (kind == MarkKind::MainPoint) {
                Ellipse(p.dc, from.x, from.y, to.x, to.y);
            } else if (kind == MarkKind::Ip) {
                const POINT triangle[] = {ToPoint({at.x, at.y - r * 1.5}), ToPoint({at.x + r * 1.3, at.y + r}),
                                          ToPoint({at.x - r * 1.3, at.y + r})};
                Polygon(p.dc, triangle, 3);
            } else {
                Rectangle(p.dc, from.x, from.y, to.x, to.y);
            }
            obstacles.push_back({at.x - r * 1.5, at.y - r * 1.5, at.x + r * 1.5, at.y + r * 1.5});
        }
    }
    for (const PlanMark& m : content.marks)
        if (Inside(clip, m.at)) labels.Add(p.At(m.at), m.label);
}
} // namespace

void DrawPlan(HDC dc, const DrawingArea& area, const DeviceStyle& style, const GroundView& view,
              PlanContent& content) {
    FillArea(dc, area, RGB(255, 255, 255));
    if (content.line == nullptr) return;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, static_cast<int>(area.left), static_cast<int>(area.top),
                      static_cast<int>(area.left + area.width), static_cast<int>(area.top + area.height));
    const Painter p{dc, area, style, view};
    const GroundExtent visible = VisibleGround(view, area);
    // Drawn a little beyond the edges, so that nothing is cut short inside them.
    const GroundExtent clip = Grown(visible, p.Mm(5) / view.unitsPerMetre);
    Selected font(dc, PictureFont(style, LabelPoints));
    std::vector<LabelBox> obstacles = DrawGrid(p, visible);
    DrawTrack(p, content, clip);
    Labels line, traced, ticks;
    DrawTicks(p, content, clip, ticks);
    DrawResults(p, *content.results, clip, traced);
    DrawLineMarks(p, content, clip, line, obstacles);
    for (const LabelBox& box : DrawNorthAndScale(p, visible))
        obstacles.push_back(box);
    // Labels in the order of their importance: the line's points, the traced points,
    // the pickets.
    line.Append(traced);
    line.Append(ticks);
    for (std::size_t i = 0; i < line.requests.size(); ++i) {
        const SIZE size = TextSize(dc, line.texts[i]);
        line.requests[i].width = size.cx, line.requests[i].height = size.cy;
    }
    SetTextColor(dc, RGB(0, 0, 0));
    const auto boxes = PlaceLabels(line.requests, p.Mm(LabelGap), obstacles);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i]) WriteText(dc, *boxes[i], line.texts[i]);
    RestoreDC(dc, saved);
}
