// The elements of a line in line order, with what tracing and setting out on the
// whole line need of each: its stretch (which points of the plane it traces) and
// its picket range (which pickets it sets out).
//
// Stretches: a straight's holds the points whose foot falls between its ends; a
// spiral's those its calculator's own test takes (x from 0 to the normal at KSK);
// the circle's those whose radius lies between the radii through KSK1 and KSK2.
// The joins' bounds are widened by LengthTolerance, so a point on the normal at a
// join belongs to one of the two elements, never to none. At KSK the spiral's
// normal and the circle's radius are not quite one line (the spiral's series), and
// a point in the sliver between them, which neither would hold, goes to the circle,
// whose calculator traces everything between the radii through NKK and KKK.
//
// Picket ranges: a straight from its start (START or the previous NSK2) to NSK1 (or
// END); a spiral from NSK1 to KSK1 (KSK2 to NSK2) by the spiral's count; the circle
// from PK_NKK + L/2 to PK_KKK - L/2.
#pragma once

#include <cstddef>
#include <vector>

#include "elements/kernel_outcomes.h"
#include "route/route.h"
#include "route/route_element_geometry.h"

class RouteLayout {
  public:
    explicit RouteLayout(const Route& line);

    const Route& Track() const { return route_; }
    const std::vector<RouteElement>& Elements() const { return elements_; }

    // Whether the element's stretch holds the point (Y, X).
    bool StretchHolds(std::size_t element, double Y, double X) const;
    // For a point whose foot on the first straight falls before START, or on the
    // last straight beyond END, its distance from that straight's extension (the
    // smaller where both); infinity for any other point. A stretch far off (a
    // circle's reaches out from its centre without end) may hold such a point too:
    // it is the line's only where it lies nearer that element than the extension.
    double OffsetBeyondEnds(double Y, double X) const;

    // The first element, in line order, whose picket range holds PK (the circle for
    // a picket between a spiral's end and the circle's start); none (the number of
    // elements) for a picket before START or beyond END.
    std::size_t ElementOfPicket(double PK) const;
    // PK brought into the range of the element (a picket in the sliver between a
    // spiral's and the circle's count goes to the circle's end).
    double PicketOnElement(std::size_t element, double PK) const;

    // The picket and offset of (Y, X) by the element's own trace, the offset as that
    // trace gives it (the circle's outward from the centre); false when that trace
    // finds the point off its element.
    bool TraceOn(const RouteElement& element, double Y, double X, double& PK, double& d) const;
    // The point of picket PK and offset d (as the element's own set-out takes it) set
    // out by the element's own set-out.
    ElementSetOut SetOutOn(const RouteElement& element, double PK, double d) const;

  private:
    struct Range {
        double first, last;
    };
    // A straight's stretch: from its first point (START or the previous NSK2) along
    // its leg's direction, as far as its last point (NSK1 or END) lies along it.
    struct Leg {
        double Y, X, sinA, cosA, length;
    };
    Leg StraightLeg(std::size_t curve) const;
    bool StraightHolds(std::size_t curve, double Y, double X) const;
    bool SpiralHolds(std::size_t curve, bool entry, double Y, double X) const;
    bool CircleHolds(std::size_t curve, double Y, double X) const;

    const Route& route_;
    std::vector<RouteElement> elements_;
    std::vector<Range> ranges_;
    // Each element as its own element of track: the straights (one more than the
    // curves) and, per curve, the circle and the spirals (entry, exit; unused where
    // the curve has none).
    std::vector<StraightElement> straights_;
    std::vector<Leg> legs_;
    std::vector<CircularElement> circles_;
    std::vector<SpiralElement> entries_, exits_;
    // Per curve, what its stretches' tests take again and again: the direction
    // angles of its main points' radii from the centre and those radii as unit
    // vectors (Y, X); the tangent of each spiral's (FI), rounded up.
    struct Radius {
        double angle, uY, uX;
    };
    struct CurveBounds {
        Radius NKK, KSK1, KSK2, KKK;
        double entryTanAbove, exitTanAbove;
    };
    std::vector<CurveBounds> bounds_;
};
