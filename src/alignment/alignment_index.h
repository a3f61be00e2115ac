// The elements of a line looked up by place: a tree of boxes over runs of elements
// that follow one another along the line, each leaf one element's box (its track
// sampled and widened), each node the box of its two halves. A point's trace visits
// the nearer half first and passes over every box farther from the point than the
// best offset found so far, so its cost grows with the depth of the tree, not with
// the length of the line.
#pragma once

#include <cstddef>
#include <vector>

#include "alignment/alignment.h"

struct IndexBox {
    double minY, minX, maxY, maxX;
    // The distance from (Y, X) to the box; 0 inside it.
    double DistanceTo(double Y, double X) const;
};

class AlignmentIndex {
  public:
    explicit AlignmentIndex(const std::vector<AlignmentElement>& elements);

    // Calls visit(element) for the elements whose box lies within reach() of (Y, X),
    // the nearer first; reach() is asked again before every box, so that it may
    // shrink as elements are visited.
    template <typename Reach, typename Visitor> void Visit(double Y, double X, Reach reach, Visitor visit) const;

  private:
    struct Node {
        IndexBox box;
        std::size_t element;        // a leaf's element
        std::size_t first, second;  // an inner node's halves (0 for a leaf: the root is never a half)
    };
    std::size_t Build(const std::vector<IndexBox>& boxes, std::size_t from, std::size_t to);
    std::vector<Node> nodes_;
};

// Builds the line's index from its elements.
void IndexAlignment(Alignment& line);

template <typename Reach, typename Visitor>
void AlignmentIndex::Visit(double Y, double X, Reach reach, Visitor visit) const {
    if (nodes_.empty()) return;
    // The nodes still to visit with their distances; the nearer half goes on last
    // so that it is taken first.
    struct Pending {
        std::size_t node;
        double distance;
    };
    std::vector<Pending> stack{{0, nodes_[0].box.DistanceTo(Y, X)}};
    while (!stack.empty()) {
        const Pending p = stack.back();
        stack.pop_back();
        if (p.distance > reach()) continue;
        const Node& n = nodes_[p.node];
        if (n.second == 0) {
            visit(n.element);
            continue;
        }
        const double a = nodes_[n.first].box.DistanceTo(Y, X), b = nodes_[n.second].box.DistanceTo(Y, X);
        if (a <= b) {
            stack.push_back({n.second, b});
            stack.push_back({n.first, a});
        } else {
            stack.push_back({n.first, a});
            stack.push_back({n.second, b});
        }
    }
}
