#include "route/landxml_export_line.h"

#include <algorithm>
#include <cmath>

namespace {
using Kind = AlignmentElementKind;

ExportKind KindOf(Kind kind) {
    return kind == Kind::Straight ? ExportKind::Line : kind == Kind::Arc ? ExportKind::Curve : ExportKind::Spiral;
}

// Whether a cant at the internal station lies on a curve to the right: the hand of
// the curving element nearest to it (within it, or the least distance away).
bool CantOnRightCurve(const Alignment& line, double internal) {
    double nearest = INFINITY;
    bool right = true;
    for (const AlignmentElement& e : line.elements) {
        if (e.k1 == 0 && e.k2 == 0) continue;
        const double away = std::max({0.0, e.internal - internal, internal - (e.internal + e.L)});
        if (away < nearest) nearest = away, right = e.k1 + e.k2 > 0;
    }
    return right;
}

// The internal station of a design station: where it lies on the line, else (off
// the line) shifted as the last equation before it shifts the stations.
double Internal(const Alignment& line, double PK) {
    if (const std::optional<double> on = InternalStation(line, PK)) return *on;
    double shift = 0;
    for (const StationEquation& q : line.equations)
        if (q.ahead <= PK) shift = line.elements[q.element].internal - q.ahead;
    return PK + shift;
}
} // namespace

ExportAlignment ExportedLine(const Alignment& line, const VerticalProfile* profile) {
    ExportAlignment a;
    a.name = line.description;
    a.staStart = line.elements.empty() ? line.start.PK : line.elements.front().internal;
    const std::size_t n = line.elements.size();
    for (std::size_t i = 0; i < n; ++i) {
        const AlignmentElement& e = line.elements[i];
        if (!(e.L > 0)) continue;
        std::size_t next = i + 1;
        while (next < n && !(line.elements[next].L > 0)) ++next;
        const double endY = next < n ? line.elements[next].Y : line.end.Y;
        const double endX = next < n ? line.elements[next].X : line.end.X;
        a.elements.push_back({KindOf(e.kind), e.Y, e.X, endY, endX, e.L, e.k1, e.k2});
    }
    for (const StationEquation& q : line.equations)
        a.equations.push_back({line.elements[q.element].internal, q.back, q.ahead});
    for (const CantRow& row : line.cant)
        a.cant.push_back({row.internal, row.h, CantOnRightCurve(line, row.internal)});
    if (profile != nullptr) {
        a.profile.push_back({Internal(line, profile->start.PK), profile->start.H, 0});
        for (const ProfilePvi& p : profile->pvis)
            a.profile.push_back({Internal(line, p.at.PK), p.at.H, p.Rv});
        a.profile.push_back({Internal(line, profile->end.PK), profile->end.H, 0});
        // A curve's length Rv |i2 - i1| with its grades along the line (across an
        // equation too), as the import reads Rv back from it.
        std::vector<ExportProfilePoint>& points = a.profile;
        for (std::size_t i = 1; i + 1 < points.size(); ++i) {
            const double i1 = (points[i].H - points[i - 1].H) / (points[i].internal - points[i - 1].internal);
            const double i2 = (points[i + 1].H - points[i].H) / (points[i + 1].internal - points[i].internal);
            points[i].curveLength *= std::abs(i2 - i1);
        }
    }
    return a;
}
