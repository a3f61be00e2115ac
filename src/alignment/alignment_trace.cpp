#include "alignment/alignment_trace.h"

#include <cmath>
#include <limits>

#include "alignment/alignment_index.h"
#include "geometry/tolerances.h"
#include "numeric/arithmetic.h"

namespace {
// For a point whose foot on the line's first direction falls before the start, or
// on its last beyond the end, its distance from that extension (the smaller where
// both); infinity for any other point.
double OffsetBeyondEnds(const Alignment& line, double Y, double X) {
    const AlignmentEnd &s = line.start, &e = line.end;
    double offset = std::numeric_limits<double>::infinity();
    if (DotProduct(Y - s.Y, X - s.X, s.sinA, s.cosA) < -LengthTolerance)
        offset = AbsValue(CrossProduct(Y - s.Y, X - s.X, s.sinA, s.cosA));
    if (DotProduct(Y - e.Y, X - e.X, e.sinA, e.cosA) > LengthTolerance)
        offset = std::min(offset, AbsValue(CrossProduct(Y - e.Y, X - e.X, e.sinA, e.cosA)));
    return offset;
}
} // namespace

std::optional<LineTrace> TraceOnAlignment(const Alignment& line, double Y, double X) {
    struct Candidate {
        LineTrace trace;
        double absD;
    };
    // Every element that traces the point within reach of the least offset so far
    // (a few: the elements near the point; kept for the whole run of points).
    static thread_local std::vector<Candidate> candidates;
    candidates.clear();
    double least = std::numeric_limits<double>::infinity();
    if (!line.index) return std::nullopt;
    line.index->Visit(
        Y, X, [&] { return least + SameOffsetTolerance; },
        [&](std::size_t element) {
            const std::optional<StationOffset> t = line.elements[element].kernel->Trace(Y, X);
            if (!t) return;
            const double absD = AbsValue(t->d);
            // An offset that is not a number traces nothing.
            if (!(absD == absD)) return;
            candidates.push_back({{element, t->PK, t->d}, absD});
            least = std::min(least, absD);
        });
    const Candidate* best = nullptr;
    for (const Candidate& c : candidates)
        if (c.absD <= least + SameOffsetTolerance && (best == nullptr || c.trace.element < best->trace.element))
            best = &c;
    if (best == nullptr || OffsetBeyondEnds(line, Y, X) < least) return std::nullopt;
    return best->trace;
}

std::vector<LineSetOut> SetOutOnAlignment(const Alignment& line, double PK, double d) {
    std::vector<LineSetOut> points;
    for (const StationPlace& place : PlacesOfStation(line, PK)) {
        const ElementSetOut p = line.elements[place.element].kernel->SetOut(place.PK, d);
        points.push_back({p.outcome, p.Y, p.X, place.element});
    }
    return points;
}
