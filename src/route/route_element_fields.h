// The elements of a line one by one, each as the dialog of its own calculator
// holds it: the fields a surveyor would type to trace or set out on that element
// alone. In line order: the straight into the first curve, then for each curve its
// entry spiral, its circle, its exit spiral and the straight out of it.
#pragma once

#include <cstddef>
#include <string>

#include "calculator/calculation_store.h"
#include "calculator/calculator.h"
#include "route/route.h"

enum class RouteElementKind { Straight, SpiralIn, Circle, SpiralOut };

struct RouteElement {
    RouteElementKind kind;
    // The curve the element belongs to; for a straight, the curve it leads into
    // (the number of curves for the straight to END).
    std::size_t curve;
};

// The calculators whose dialogs trace and set out on elements of this kind.
const Calculator& ElementTraceCalculator(RouteElementKind kind);
const Calculator& ElementSetOutCalculator(RouteElementKind kind);

// Puts the element's geometry into the store's fields:
// - a straight: A at its first point (START or the IP before it) and B at its last
//   (the next IP or END), with the pickets those points have along the straight;
// - a circle: NK at NKK, KK at KKK, the centre, R_kk = R, z = (Z), q = 0;
// - the entry spiral: L at the point before the IP (START or the previous IP), NKK,
//   the centre, R_kk = R, L_sk = L, q = 0;
// - the exit spiral, seen from the straight out of it: L at the point after the IP
//   (the next IP or END, where the pickets are higher, so that they fall toward
//   the curve), KKK in place of NKK, and the rest as for the entry.
void PutElementFields(const Route& line, const RouteElement& element, CalculationStore& store);

// "straight START-VU1", "spiral in VU1", "circle VU1", "spiral out VU1".
std::string RouteElementName(const Route& line, const RouteElement& element);
