#include "menu/route_set_out_calculator.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "elements/element_field_rows.h"
#include "elements/set_out_run.h"
#include "numeric/report_numbers.h"
#include "resource_ids.h"
#include "route/route_elements.h"
#include "route/route_results.h"
#include "route/route_heights.h"
#include "route/route_profile.h"
#include "route/route_set_out.h"

namespace {

constexpr auto Fields = SetOutRow;
constexpr const char* OutsideOfRoute = "!Picket outside of the line!";

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
    // The design level of the first point, when it is set out: the dialog's H.
    std::optional<double> firstLevel;
    bool first = true;
    CalculationOutput out =
        // The points set out are kept for the pictures of the line.
        SetOutStoredRun(store, "\r\n" + StoredRouteDescription() + "\r\n", KeepingSetOutPoints([&](double PK, double d) {
            const bool isFirst = std::exchange(first, false);
            const RouteSetOut point = SetOutOnRoute(layout, PK, d);
            switch (point.outcome) {
            case RouteSetOut::Outcome::PicketOutside:
                return OutsidePoint(OutsideOfRoute);
            case RouteSetOut::Outcome::OffsetBeyondCentre:
                return SetOutPoint{0, 0, beyondCentre[layout.Elements()[point.element].curve].c_str(), false};
            case RouteSetOut::Outcome::SetOut:
                break;
            }
            SetOutPoint set{point.Y, point.X};
            set.element = RouteElementName(*TheStoredRoute, layout.Elements()[point.element]);
            // The heights at the picket before the element: "H=…   h=…   circle VU1".
            if (heights.Shown()) set.element = heights.SetOutText(PK) + "   " + set.element;
            if (isFirst) firstLevel = heights.Level(PK);
            return set;
        }));
    out.resultFields.push_back({IDC_H_SO, firstLevel ? LinearText(*firstLevel) : std::string()});
    return out;
}

std::string NoteText() {
    return StoredRouteDescription();
}

constexpr CalculatorNote Note = {IDC_LINE_STORED, NoteText};
} // namespace

const Calculator RouteSetOutCalculator = {IDD_SET_OUT_LINE, "Set out on the line", Fields, Compute, &Note};
