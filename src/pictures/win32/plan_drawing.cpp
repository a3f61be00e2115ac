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
    // A label that would reach past the area's edge is left out, its grid line kept:
    // a label cut in half reads as another number.
    const double right = p.area.left + p.area.width;
    for (double Y : Ys) {
        const std::string text = GridValueText(Y, interval);
        const SIZE size = TextSize(p.dc, text);
        const LabelBox box = CentredBox(p.dc, text, p.At({Y, 0}).x, bottom - size.cy / 2.0);
        if (box.left < p.area.left || box.right > right) continue;
        boxes.push_back(box);
        WriteText(p.dc, box, text);
    }
    for (double X : Xs) {
        const std::string text = GridValueText(X, interval);
        const SIZE size = TextSize(p.dc, text);
        LabelBox box = CentredBox(p.dc, text, p.area.left + p.Mm(1) + size.cx / 2.0, p.At({0, X}).y);
        if (box.top < p.area.top || box.bottom > bottom - size.cy) continue;
        // Over the grid line from the edge on, so that no stroke reads as a minus sign.
        FillArea(p.dc, {p.area.left, box.top, box.left - p.area.left, box.bottom - box.top}, RGB(255, 255, 255));
        WriteText(p.dc, box, text);
        box.left = p.area.left;
        boxes.push_back(box);
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
        ShapeBatch polygon;
        AddGroundPolyline(polygon, p.view, p.area, content.polygon, clip);
        polygon.DrawPolylines(p.dc);
    }
    const double tolerance = p.style.toleranceUnits / p.view.unitsPerMetre;
    if (content.pieces.empty() || content.piecesTolerance != tolerance) {
        content.pieces = SampleRoute(*content.line, tolerance);
        content.piecesTolerance = tolerance;
    }
    ShapeBatch track;
    for (const TrackPiece& piece : content.pieces)
        AddGroundPolyline(track, p.view, p.area, piece.points, clip);
    Selected pen(p.dc, PicturePen(p.style, TrackWidth, TrackColour));
    track.DrawPolylines(p.dc);
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
    ShapeBatch ticks;
    for (const PicketTick& t : content.ticks) {
        if (!Inside(clip, t.at) || std::fmod(t.PK, step) != 0) continue;
        const DevicePoint at = p.At(t.at);
        // Across the line: its direction (sinA east, cosA north) turned a right angle.
        const double ax = t.cosA * p.Mm(TickReach), ay = t.sinA * p.Mm(TickReach);
        ticks.Add({ToPoint({at.x - ax, at.y - ay}), ToPoint({at.x + ax, at.y + ay})});
        labels.Add(at, t.label);
    }
    Selected pen(p.dc, PicturePen(p.style, ThinWidth * 2, TrackColour));
    ticks.DrawPolylines(p.dc);
}

// The corners of a small regular polygon about a point: a disc of `sides` sides
// (4 turned half a side: a diamond).
std::vector<POINT> RegularPolygon(DevicePoint at, double r, int sides) {
    std::vector<POINT> corners;
    for (int i = 0; i < sides; ++i) {
        const double angle = 6.283185307179586 * (i + 0.5) / sides;
        corners.push_back(ToPoint({at.x + r * std::cos(angle), at.y + r * std::sin(angle)}));
    }
    return corners;
}

// The set-out points as diamonds and the traced points as crosses with their names,
// each kind in one call.
void DrawResults(const Painter& p, const LineSession& results, const GroundExtent& clip, Labels& labels) {
    const double r = p.Mm(MarkerRadius);
    ShapeBatch diamonds, crosses;
    for (const SetOutRoutePoint& s : results.SetOutPoints()) {
        if (!Inside(clip, {s.Y, s.X})) continue;
        const DevicePoint at = p.At({s.Y, s.X});
        if (diamonds.AlreadyAt(ToPoint(at))) continue;
        diamonds.Add({ToPoint({at.x, at.y - r}), ToPoint({at.x + r, at.y}), ToPoint({at.x, at.y + r}),
                      ToPoint({at.x - r, at.y})});
    }
    for (const TracedRoutePoint& t : results.TracedPoints()) {
        if (!Inside(clip, {t.Y, t.X})) continue;
        const DevicePoint at = p.At({t.Y, t.X});
        labels.Add(at, t.name);
        if (crosses.AlreadyAt(ToPoint(at))) continue;
        crosses.Add({ToPoint({at.x - r, at.y - r}), ToPoint({at.x + r + 1, at.y + r + 1})});
        crosses.Add({ToPoint({at.x - r, at.y + r}), ToPoint({at.x + r + 1, at.y - r - 1})});
    }
    {
        Selected pen(p.dc, PicturePen(p.style, ThinWidth * 2, SetOutColour));
        Selected brush(p.dc, CreateSolidBrush(SetOutColour));
        diamonds.DrawPolygons(p.dc);
    }
    Selected pen(p.dc, PicturePen(p.style, ThinWidth * 2, TracedColour));
    crosses.DrawPolylines(p.dc);
}

// The line's points, drawn over everything else: START and END as squares, IPs as
// triangles (outlined), main points as discs; each kind in one call, each with its
// label, its box kept free of labels.
void DrawLineMarks(const Painter& p, const PlanContent& content, const GroundExtent& clip, Labels& labels,
                   std::vector<LabelBox>& obstacles) {
    const double r = p.Mm(MarkerRadius);
    ShapeBatch ends, ips, mainPoints;
    for (const PlanMark& m : content.marks) {
        if (!Inside(clip, m.at)) continue;
        const DevicePoint at = p.At(m.at);
        labels.Add(at, m.label);
        ShapeBatch& batch = m.kind == MarkKind::End ? ends : m.kind == MarkKind::Ip ? ips : mainPoints;
        if (batch.AlreadyAt(ToPoint(at))) continue;
        // The marker's box, short of the labels' gap, so that its own labels fit beside it.
        const double box = std::min(r * 1.5, p.Mm(LabelGap) - 1);
        obstacles.push_back({at.x - box, at.y - box, at.x + box, at.y + box});
        switch (m.kind) {
        case MarkKind::End:
            ends.Add({ToPoint({at.x - r, at.y - r}), ToPoint({at.x + r, at.y - r}), ToPoint({at.x + r, at.y + r}),
                      ToPoint({at.x - r, at.y + r})});
            break;
        case MarkKind::Ip:
            ips.Add({ToPoint({at.x, at.y - r * 1.5}), ToPoint({at.x + r * 1.3, at.y + r}),
                     ToPoint({at.x - r * 1.3, at.y + r}), ToPoint({at.x, at.y - r * 1.5})});
            break;
        case MarkKind::MainPoint:
            mainPoints.Add(RegularPolygon(at, r, 12));
            break;
        }
    }
    const struct {
        const ShapeBatch& shapes;
        COLORREF colour;
        bool filled;
    } kinds[] = {{ends, RGB(0, 0, 0), true}, {ips, IpColour, false}, {mainPoints, MainPointColour, true}};
    for (const auto& kind : kinds) {
        Selected pen(p.dc, PicturePen(p.style, ThinWidth * 2, kind.colour));
        Selected brush(p.dc, CreateSolidBrush(kind.colour));
        if (kind.filled)
            kind.shapes.DrawPolygons(p.dc);
        else
            kind.shapes.DrawPolylines(p.dc);
    }
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
    SetPolyFillMode(dc, WINDING); // markers drawn over one another stay filled
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
    const TextMeasure measure(dc);
    for (std::size_t i = 0; i < line.requests.size(); ++i)
        line.requests[i].width = measure.Width(line.texts[i]), line.requests[i].height = measure.Height();
    SetTextColor(dc, RGB(0, 0, 0));
    const auto boxes = PlaceLabels(line.requests, p.Mm(LabelGap), area, obstacles);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i]) WriteText(dc, *boxes[i], line.texts[i]);
    RestoreDC(dc, saved);
}
