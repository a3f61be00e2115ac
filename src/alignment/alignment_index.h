// The elements of a line looked up by place: a tree of boxes over runs of elements
// that follow one another along the line, each leaf one element's box (its track
// sampled and widened), each node the box of its two halves. A point's trace visits
// the nearer half first and passes over every box farther from the point than the
// best offset found so far, so its cost grows with the depth of the tree, not with
// the length of the line.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "alignment/alignment.h"

struct IndexBox {
    double minY, minX, maxY, maxX;
    // The square of the distance from (Y, X) to the box; 0 inside it.
    double SquaredDistanceTo(double Y, double X) const {
        const double dY = minY > Y ? minY - Y : Y > maxY ? Y - maxY : 0;
        const double dX = minX > X ? minX - X : X > maxX ? X - maxX : 0;
        return dY * dY + dX * dX;
    }
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
    // The nodes still to visit with the squares of their distances; the nearer half
    // goes on last so that it is taken first. The tree is balanced, so at most one
    // node a level waits: 65 for any number of elements a size_t counts.
    struct Pending {
        std::size_t node;
        double squared;
    };
    std::array<Pending, 128> stack;
    std::size_t size = 0;
    stack[size++] = {0, nodes_[0].box.SquaredDistanceTo(Y, X)};
    while (size > 0) {
        const Pending p = stack[--size];
        const double r = reach();
        if (p.squared > r * r) continue;
        const Node& n = nodes_[p.node];
        if (n.second == 0) {
            visit(n.element);
            continue;
        }
        const double a = nodes_[n.first].box.SquaredDistanceTo(Y, X), b = nodes_[n.second].box.SquaredDistanceTo(Y, X);
        if (a <= b) {
            stack[size++] = {n.second, b};
            stack[size++] = {n.first, a};
        } else {
            stack[size++] = {n.first, a};
            stack[size++] = {n.second, b};
        }
    }
}
