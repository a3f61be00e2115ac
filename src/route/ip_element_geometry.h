// The elements of a route one by one, each as its own element of track: the values
// a surveyor would type into the element's dialog to trace or set out on that
// element alone. In route order: the straight into the first curve, then for each
// curve its entry spiral, its circle, its exit spiral and the straight out of it.
#pragma once

#include <cstddef>
#include <string>

#include "elements/circular_kernels.h"
#include "elements/spiral_kernels.h"
#include "elements/straight_kernels.h"
#include "route/route.h"

// The straight leading into curve `curve` (the number of curves: to END): A at its
// first point (START or the IP before it) and B at its last (the next IP or END),
// with the pickets those points have along the straight.
StraightElement RouteStraight(const Route& route, std::size_t curve);

// The curve's circle: NK at NKK, KK at KKK, the centre, R_kk = R, z = (Z), q = 0.
CircularElement RouteCircle(const Route& route, std::size_t curve);

// The curve's entry spiral: L at the point before the IP (START or the previous IP),
// NKK, the centre, R_kk = R, L_sk = L, q = 0. The exit spiral (entry false), seen
// from the straight out of it: L at the point after the IP (the next IP or END,
// where the pickets are higher, so that they fall toward the curve), KKK in place
// of NKK, and the rest as for the entry.
SpiralElement RouteSpiral(const Route& route, std::size_t curve, bool entry);
