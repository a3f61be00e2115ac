#include "route/route_set_out.h"

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "route/route_elements.h"
#include "route/route_heights.h"
#include "route/route_layout.h"
#include "route/route_profile.h"
#include "resource_ids.h"
#include "elements/set_out_run.h"
#include "elements/element_field_rows.h"

namespace {
using SV = StoredValue;
using K = RouteElementKind;

constexpr auto Fields = SetOutRow;
constexpr const char* OutsideOfRoute = "!Picket outside of the line!";

// The picket and the line's offset d set out on one element by its own set-out
// calculator; the circle's calculator counts its offset outward from the centre.
SetOutPoint SetOutOnElement(const RouteLayout& layout, std::size_t element, double PK, double d) {
    const RouteElement& e = layout.Elements()[element];
    CalculationStore work;
    PutElementFields(layout.Track(), e, work);
    const bool rightHandCircle = e.kind == K::Circle && layout.Track().curves[e.curve].sigma > 0;
    work[SV::PK_so] = PK, work[SV::PK_to] = PK, work[SV::step] = 0;
    work[SV::d_so] = rightHandCircle ? -d : d;
    const CalculationOutput out = ElementSetOutCalculator(e.kind).compute(work);
    if (out.resultPieces.back().find('!') != std::string::npos) return OutsidePoint(OutsideOfRoute);
    SetOutPoint point{work[SV::Y_pz], work[SV::X_pz]};
    point.element = RouteElementName(layout.Track(), e);
    return point;
}

// Whether d reaches or passes the centre of curvature of the element at PK: the
// circle's centre at R - (Z) from the track, a spiral's at C over the picket length
// from its start (none at the start itself).
bool BeyondCentre(const RouteLayout& layout, std::size_t element, double PK, double d) {
    const RouteElement& e = layout.Elements()[element];
    if (e.kind == K::Straight) return false;
    const RouteCurve& c = layout.Track().curves[e.curve];
    const double towardCentre = c.sigma * d;
    if (e.kind == K::Circle) return towardCentre >= c.R - c.Z;
    const double fromStart = e.kind == K::SpiralIn ? PK - c.NSK1.PK : c.NSK2.PK - PK;
    return fromStart > 0 && towardCentre >= c.C / fromStart;
}

CalculationOutput Compute(CalculationStore& store) {
    if (!TheStoredRoute)
        return SetOutStoredRun(store, "\r\n" + StoredRouteDescription() + "\r\n",
                               [](double, double) { return OutsidePoint(OutsideOfRoute); });
    const RouteLayout layout(*TheStoredRoute);
    // The refusal of each curve, named by its IP: "!Offset beyond the centre of VU2!".
    std::vector<std::string> beyondCentre;
    for (const RouteCurve& c : TheStoredRoute->curves)
        beyondCentre.push_back("!Offset beyond the centre of " + c.name + "!");
    const RouteHeights heights(*TheStoredRoute, TheStoredProfile ? &*TheStoredProfile : nullptr);
    // The design level of the first point, when it is set out.
    std::optional<double> firstLevel;
    bool first = true;
    CalculationOutput out =
        SetOutStoredRun(store, "\r\n" + StoredRouteDescription() + "\r\n", [&](double PK, double d) {
            const bool isFirst = std::exchange(first, false);
            const std::size_t element = layout.ElementOfPicket(PK);
            if (element == layout.Elements().size()) return OutsidePoint(OutsideOfRoute);
            const double onElement = layout.PicketOnElement(element, PK);
            if (BeyondCentre(layout, element, onElement, d))
                return SetOutPoint{0, 0, beyondCentre[layout.Elements()[element].curve].c_str(), false};
            SetOutPoint point = SetOutOnElement(layout, element, onElement, d);
            if (point.refusal != nullptr) return point;
            if (isFirst) firstLevel = heights.Level(PK);
            if (heights.Shown()) point.element = heights.SetOutText(PK) + "   " + point.element;
            return point;
        });
    out.resultFields.push_back({IDC_H_SO, firstLevel ? LinearText(*firstLevel) : std::string()});
    return out;
}

std::string NoteText() {
    return StoredRouteDescription();
}

constexpr CalculatorNote Note = {IDC_LINE_STORED, NoteText};
} // namespace

std::string StoredRouteDescription() {
    if (!TheStoredRoute) return "No line has been read yet.";
    std::string names = "START";
    for (const RouteCurve& c : TheStoredRoute->curves)
        names += "-" + c.name;
    return "Line " + names + "-END, PK " + LinearText(TheStoredRoute->start.PK) + " to " +
           LinearText(TheStoredRoute->end.PK);
}

const Calculator RouteSetOutCalculator = {IDD_SET_OUT_LINE, "Set out on the line", Fields, Compute, &Note};
