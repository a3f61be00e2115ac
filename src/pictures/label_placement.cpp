#include "pictures/label_placement.h"

#include <cmath>
#include <algorithm>

namespace {
// The cells of the area that labels and obstacles take: a box is free when none of
// the cells it touches is taken, so a crowded drawing costs no more per label than
// a sparse one.
class Occupancy {
  public:
    explicit Occupancy(const DrawingArea& area) : area_(area) {
        constexpr double MostCells = 4e6;
        const double units = std::fmax(area.width, 1) * std::fmax(area.height, 1);
        cell_ = std::fmax(1.0, std::sqrt(units / MostCells));
        columns_ = static_cast<int>(std::ceil(std::fmax(area.width, 1) / cell_));
        rows_ = static_cast<int>(std::ceil(std::fmax(area.height, 1) / cell_));
        taken_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0);
    }

    bool Inside(const LabelBox& box) const {
        return box.left >= area_.left && box.top >= area_.top && box.right <= area_.left + area_.width &&
               box.bottom <= area_.top + area_.height;
    }

    bool Free(const LabelBox& box) const {
        return Inside(box) && ForCells(box, [&](std::size_t cell) { return !taken_[cell]; });
    }

    void Take(const LabelBox& box) {
        ForCells(box, [&](std::size_t cell) { return taken_[cell] = 1; });
    }

  private:
    // Visits the cells the box touches, clamped to the area, while visit returns true;
    // whether every visit did.
    template <class F> bool ForCells(const LabelBox& box, F visit) const {
        const auto column = [&](double x) {
            return std::clamp(static_cast<int>(std::floor((x - area_.left) / cell_)), 0, columns_ - 1);
        };
        const auto row = [&](double y) {
            return std::clamp(static_cast<int>(std::floor((y - area_.top) / cell_)), 0, rows_ - 1);
        };
        if (!(box.right >= area_.left && box.left <= area_.left + area_.width && box.bottom >= area_.top &&
              box.top <= area_.top + area_.height))
            return true;
        const int c1 = column(box.right), r1 = row(box.bottom);
        for (int r = row(box.top); r <= r1; ++r)
            for (int c = column(box.left); c <= c1; ++c)
                if (!visit(static_cast<std::size_t>(r) * static_cast<std::size_t>(columns_) +
                           static_cast<std::size_t>(c)))
                    return false;
        return true;
    }

    DrawingArea area_;
    double cell_;
    int columns_, rows_;
    std::vector<unsigned char> taken_;
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
                                                 const DrawingArea& area, const std::vector<LabelBox>& obstacles) {
    Occupancy placed(area);
    for (const LabelBox& box : obstacles)
        placed.Take(box);
    std::vector<std::optional<LabelBox>> boxes(requests.size());
    for (std::size_t i = 0; i < requests.size(); ++i) {
        // A marker that is not a number gets no label.
        if (!(std::isfinite(requests[i].at.x) && std::isfinite(requests[i].at.y))) continue;
        for (int place = 0; place < LabelPlaces; ++place) {
            const LabelBox box = LabelPlace(requests[i], place, gap);
            if (!placed.Free(box)) continue;
            placed.Take(box);
            boxes[i] = box;
            break;
        }
    }
    return boxes;
}
