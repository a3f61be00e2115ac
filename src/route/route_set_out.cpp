#include "route/route_set_out.h"

#include "numeric/report_numbers.h"
#include "route/route_elements.h"

namespace {
using K = RouteElementKind;

// Whether d reaches or passes the centre of curvature of the element at PK.
bool BeyondCentre(const RouteLayout& layout, std::size_t element, double PK, double d) {
    const RouteElement& e = layout.Elements()[element];
    if (e.kind == K::Straight) return false;
    const RouteCurve& c = layout.Track().curves[e.curve];
    const double towardCentre = c.sigma * d;
    if (e.kind == K::Circle) return towardCentre >= c.R - c.Z;
    const double fromStart = e.kind == K::SpiralIn ? PK - c.NSK1.PK : c.NSK2.PK - PK;
    return fromStart > 0 && towardCentre >= c.C / fromStart;
}
} // namespace

RouteSetOut SetOutOnRoute(const RouteLayout& layout, double PK, double d) {
    const std::size_t element = layout.ElementOfPicket(PK);
    if (element == layout.Elements().size()) return {RouteSetOut::Outcome::PicketOutside, 0, 0, element};
    const double onElement = layout.PicketOnElement(element, PK);
    if (BeyondCentre(layout, element, onElement, d))
        return {RouteSetOut::Outcome::OffsetBeyondCentre, 0, 0, element};
    // The circle's own set-out counts its offset outward from the centre.
    const RouteElement& e = layout.Elements()[element];
    const bool rightHandCircle = e.kind == K::Circle && layout.Track().curves[e.curve].sigma > 0;
    const ElementSetOut point = layout.SetOutOn(e, onElement, rightHandCircle ? -d : d);
    if (point.outcome != SetOutOutcome::SetOut) return {RouteSetOut::Outcome::PicketOutside, 0, 0, element};
    return {RouteSetOut::Outcome::SetOut, point.Y, point.X, element};
}

std::string StoredRouteDescription() {
    if (!TheStoredRoute) return "No line has been read yet.";
    std::string names = "START";
    for (const RouteCurve& c : TheStoredRoute->curves)
        names += "-" + c.name;
    return "Line " + names + "-END, PK " + LinearText(TheStoredRoute->start.PK) + " to " +
           LinearText(TheStoredRoute->end.PK);
}
