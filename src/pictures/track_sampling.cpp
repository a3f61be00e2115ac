#include "pictures/track_sampling.h"

std::vector<TrackPiece> SampleRoute(const Alignment& line, double tolerance) {
    std::vector<TrackPiece> pieces;
    pieces.reserve(line.elements.size());
    for (std::size_t i = 0; i < line.elements.size(); ++i) {
        const AlignmentElement& e = line.elements[i];
        TrackPiece piece{e.kind, i, {}};
        for (const PlanePoint& p : e.kernel->Sample(tolerance))
            piece.points.push_back({p.Y, p.X});
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

GroundPoint RoutePointAtPicket(const Alignment& line, double PK) {
    const std::optional<PlanePoint> p = PointAtStation(line, PK);
    return p ? GroundPoint{p->Y, p->X} : GroundPoint{line.start.Y, line.start.X};
}
