// Labels beside markers that do not cover one another: each label tries its places
// around its marker in turn and takes the first that no label placed before it
// covers; a label with no free place is left out (its marker is still drawn). Labels
// are placed in the order given, so the more important come first.
#pragma once

#include <optional>
#include <vector>

#include "pictures/ground_view.h"

struct LabelBox {
    double left, top, right, bottom;
};

struct LabelRequest {
    DevicePoint at;       // the marker
    double width, height; // the label's text
};

// The places tried, in order: right and left of the marker, `gap` away; then above
// and below the band those two take, half the gap away, centred, then reaching right
// and reaching left.
constexpr int LabelPlaces = 8;
LabelBox LabelPlace(const LabelRequest& request, int place, double gap);

// One box within the area per request, or none where every place reaches out of the
// area, or meets a label placed before it or one of the obstacles (the markers, the
// labels of the grid). Boxes are compared on a grid of cells of at most a unit of
// the area's device (coarser for an area of more than about four million units), so
// that labels merely touching may count as meeting.
std::vector<std::optional<LabelBox>> PlaceLabels(const std::vector<LabelRequest>& requests, double gap,
                                                 const DrawingArea& area,
                                                 const std::vector<LabelBox>& obstacles = {});
