// The kernels of the elements of a line given by an IP table: each element traced
// and set out by its own calculator (the straight's, the circle's and the spiral's,
// in their conventions), drawn by the route's own geometry.
//
// Stretches: a straight's holds the points whose foot falls between its ends; a
// spiral's those its calculator's own test takes (x from 0 to the normal at KSK);
// the circle's those whose radius lies between the radii through KSK1 and KSK2.
// The joins' bounds are widened by LengthTolerance, so a point on the normal at a
// join belongs to one of the two elements, never to none. At KSK the spiral's
// normal and the circle's radius are not quite one line (the spiral's series), and
// a point in the sliver between them, which neither would hold, goes to the circle,
// whose calculator traces everything between the radii through NKK and KKK.
#pragma once

#include <cstddef>
#include <memory>

#include "alignment/alignment.h"
#include "route/route.h"

// The kernel of the straight leading into curve `curve` (the number of curves: to END).
std::shared_ptr<const ElementKernel> IpStraightKernel(const Route& route, std::size_t curve);
// The kernels of a curve's entry spiral, circle and exit spiral (the spirals null
// where L is 0), which share what they know of the curve.
struct IpCurveKernels {
    std::shared_ptr<const ElementKernel> entry, circle, exit;
};
IpCurveKernels MakeIpCurveKernels(const Route& route, std::size_t curve);
