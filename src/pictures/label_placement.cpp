#include "pictures/label_placement.h"

#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace {
bool Overlap(const LabelBox& a, const LabelBox& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The placed boxes, found by the cells of a coarse grid they touch, so that a
// crowded drawing costs about the same per label as a sparse one.
class PlacedBoxes {
  public:
    explicit PlacedBoxes(double cell) : cell_(cell) {}

    bool Free(const LabelBox& box) const {
        bool free = true;
        ForCells(box, [&](std::int64_t key) {
            const auto found = cells_.find(key);
            if (found == cells_.end()) return;
            for (std::size_t i : found->second)
                if (Overlap(boxes_[i], box)) free = false;
        });
        return free;
    }

    void Add(const LabelBox& box) {
        boxes_.push_back(box);
        ForCells(box, [&](std::int64_t key) { cells_[key].push_back(boxes_.size() - 1); });
    }

  private:
    template <class F> void ForCells(const LabelBox& box, F visit) const {
        const auto first = [&](double v) { return static_cast<std::int64_t>(std::floor(v / cell_)); };
        for (std::int64_t i = first(box.left); i <= first(box.right); ++i)
            for (std::int64_t j = first(box.top); j <= first(box.bottom); ++j)
                visit(i * 1000003 + j);
    }

    double cell_;
    std::vector<LabelBox> boxes_;
    std::unordered_map<std::int64_t, std::vector<std::size_t>> cells_;
};
} // namespace

LabelBox LabelPlace(const LabelRequest& r, int place, double gap) {
    const double x = r.at.x, y = r.at.y, w = r.width, h = r.height;
    // The band of the right and left places, and the rows above and below it.
    const double above = y - h / 2 - gap / 2 - h, below = y + h / 2 + gap / 2;
    switch (place) {
    case 0:
        return {x + gap, y - h / 2, x + gap + w, y + h / 2};
    case 1:
        return {x - gap - w, y - h / 2, x - gap, y + h / 2};
    case 2:
        return {x - w / 2, above, x + w / 2, above + h};
    case 3:
        return {x - w / 2, below, x + w / 2, below + h};
    case 4:
        return {x + gap / 2, above, x + gap / 2 + w, above + h};
    case 5:
        return {x + gap / 2, below, x + gap / 2 + w, below + h};
    case 6:
        return {x - gap / 2 - w, above, x - gap / 2, above + h};
    default:
        return {x - gap / 2 - w, below, x - gap / 2, below + h};
    }
}

std::vector<std::optional<LabelBox>> PlaceLabels(const std::vector<LabelRequest>& requests, double gap,
                                                 const std::vector<LabelBox>& obstacles) {
    double cell = 1;
    for (const LabelRequest& r : requests)
        cell = std::fmax(cell, std::fmax(r.width, r.height) + gap);
    PlacedBoxes placed(cell);
    for (const LabelBox& box : obstacles)
        placed.Add(box);
    std::vector<std::optional<LabelBox>> boxes(requests.size());
    for (std::size_t i = 0; i < requests.size(); ++i) {
        // A marker far outside any device (NaN or huge) gets no label.
        if (!(std::fabs(requests[i].at.x) < 1e7 && std::fabs(requests[i].at.y) < 1e7)) continue;
        for (int place = 0; place < LabelPlaces; ++place) {
            const LabelBox box = LabelPlace(requests[i], place, gap);
            if (!placed.Free(box)) continue;
            placed.Add(box);
            boxes[i] = box;
            break;
        }
    }
    return boxes;
}
