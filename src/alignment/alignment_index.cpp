#include "alignment/alignment_index.h"

#include <algorithm>
#include <cmath>

#include "geometry/tolerances.h"

namespace {
IndexBox ElementBox(const AlignmentElement& e) {
    const std::vector<PlanePoint> track = e.kernel->Sample(IndexSampleTolerance);
    IndexBox box{track.front().Y, track.front().X, track.front().Y, track.front().X};
    for (const PlanePoint& p : track) {
        box.minY = std::min(box.minY, p.Y), box.maxY = std::max(box.maxY, p.Y);
        box.minX = std::min(box.minX, p.X), box.maxX = std::max(box.maxX, p.X);
    }
    // A box that is not finite is no box: the element is visited wherever a point lies.
    const double widen = IndexSampleTolerance + IndexMargin;
    if (!std::isfinite(box.minY + box.maxY + box.minX + box.maxX)) {
        const double inf = INFINITY;
        return {-inf, -inf, inf, inf};
    }
    return {box.minY - widen, box.minX - widen, box.maxY + widen, box.maxX + widen};
}
} // namespace

AlignmentIndex::AlignmentIndex(const std::vector<AlignmentElement>& elements) {
    if (elements.empty()) return;
    std::vector<IndexBox> boxes;
    boxes.reserve(elements.size());
    for (const AlignmentElement& e : elements)
        boxes.push_back(ElementBox(e));
    nodes_.reserve(2 * elements.size());
    Build(boxes, 0, boxes.size());
}

std::size_t AlignmentIndex::Build(const std::vector<IndexBox>& boxes, std::size_t from, std::size_t to) {
    const std::size_t at = nodes_.size();
    nodes_.push_back({});
    if (to - from == 1) {
        nodes_[at] = {boxes[from], from, 0, 0};
        return at;
    }
    const std::size_t middle = from + (to - from) / 2;
    const std::size_t first = Build(boxes, from, middle), second = Build(boxes, middle, to);
    const IndexBox &a = nodes_[first].box, &b = nodes_[second].box;
    nodes_[at] = {{std::min(a.minY, b.minY), std::min(a.minX, b.minX), std::max(a.maxY, b.maxY),
                   std::max(a.maxX, b.maxX)},
                  0, first, second};
    return at;
}

void IndexAlignment(Alignment& line) {
    line.index = std::make_shared<const AlignmentIndex>(line.elements);
}
