#include "alignment/alignment.h"

#include <algorithm>

#include "geometry/tolerances.h"

namespace {
// The stretches between equations, each a run of elements [from, to), in line order.
template <typename Visit> void ForEachStretch(const Alignment& line, Visit visit) {
    std::size_t from = 0;
    for (std::size_t q = 0; q <= line.equations.size(); ++q) {
        const std::size_t to = q < line.equations.size() ? line.equations[q].element : line.elements.size();
        if (from < to && visit(from, to)) return;
        from = to;
    }
}

// Within a stretch, the first element whose range reaches PK (its ranges follow in
// station order), or `to` when none does.
std::size_t FirstReaching(const Alignment& line, std::size_t from, std::size_t to, double PK) {
    const auto begin = line.elements.begin();
    return static_cast<std::size_t>(
        std::lower_bound(begin + static_cast<std::ptrdiff_t>(from), begin + static_cast<std::ptrdiff_t>(to), PK,
                         [](const AlignmentElement& e, double pk) { return e.PKend + LengthTolerance < pk; }) -
        begin);
}
} // namespace

void SetCantRows(Alignment& line, std::vector<CantRow> rows) {
    for (CantRow& row : rows)
        row.internal = InternalStation(line, row.PK).value_or(row.PK);
    line.cant = std::move(rows);
}

bool AlignmentHasCant(const Alignment& line) {
    return std::any_of(line.cant.begin(), line.cant.end(), [](const CantRow& row) { return row.h != 0; });
}

double DesignCant(const Alignment& line, double PK) {
    const double at = line.equations.empty() ? PK : InternalStation(line, PK).value_or(PK);
    // The first row beyond the station; rows follow in station order.
    const auto after = std::upper_bound(line.cant.begin(), line.cant.end(), at,
                                        [](double s, const CantRow& row) { return s < row.internal; });
    if (after == line.cant.begin()) return 0;
    const CantRow& a = *(after - 1);
    if (at == a.internal) return a.h;
    if (after == line.cant.end()) return 0;
    const CantRow& b = *after;
    if (a.h == b.h) return a.h;
    // Each end weighted by the share of the way to the other; a zero end drops out
    // exactly, so a ramp from or to nothing is h times the share.
    return (a.h * (b.internal - at) + b.h * (at - a.internal)) / (b.internal - a.internal);
}

std::optional<double> InternalStation(const Alignment& line, double PK) {
    if (line.equations.empty()) {
        if (!(PK >= line.start.PK - LengthTolerance && PK <= line.end.PK + LengthTolerance)) return std::nullopt;
        return PK;
    }
    std::optional<double> internal;
    ForEachStretch(line, [&](std::size_t from, std::size_t to) {
        const std::size_t i = FirstReaching(line, from, to, PK);
        if (i == to || !(PK >= line.elements[i].PK - LengthTolerance)) return false;
        internal = line.elements[i].internal + (PK - line.elements[i].PK);
        return true;
    });
    return internal;
}

std::vector<StationPlace> PlacesOfStation(const Alignment& line, double PK) {
    std::vector<StationPlace> places;
    ForEachStretch(line, [&](std::size_t from, std::size_t to) {
        // A station that is not a number is on no element either.
        if (!(PK >= line.elements[from].PK - LengthTolerance)) return false;
        std::size_t i = FirstReaching(line, from, to, PK);
        if (i == to) return false;
        if (PK < line.elements[i].PK - LengthTolerance && !line.elements[i].clamps) {
            // Short of this element's range but past the one before: that one's end.
            if (i == from || !line.elements[i - 1].clamps) return false;
            --i;
        }
        const AlignmentElement& e = line.elements[i];
        places.push_back({i, e.clamps ? std::clamp(PK, e.PK, e.PKend) : PK});
        return false;
    });
    return places;
}

std::optional<PlanePoint> PointAtStation(const Alignment& line, double PK) {
    std::optional<PlanePoint> point;
    ForEachStretch(line, [&](std::size_t from, std::size_t to) {
        if (!(PK >= line.elements[from].drawFrom - LengthTolerance && PK <= line.elements[to - 1].drawTo + LengthTolerance))
            return false;
        const auto begin = line.elements.begin();
        const auto at = std::lower_bound(begin + static_cast<std::ptrdiff_t>(from), begin + static_cast<std::ptrdiff_t>(to),
                                         PK, [](const AlignmentElement& e, double pk) { return e.drawTo < pk; });
        const auto last = begin + static_cast<std::ptrdiff_t>(to) - 1;
        // An element that clamps (the IP table's circle, whose count differs from the
        // spirals') leaves the station at its end to the element after it.
        const auto e = at > last ? last : at->clamps && at->drawTo == PK && at < last ? at + 1 : at;
        point = e->kernel->PointAtStation(PK);
        return true;
    });
    return point;
}
