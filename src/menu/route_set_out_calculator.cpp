#include "menu/route_set_out_calculator.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "alignment/alignment_trace.h"
#include "elements/element_field_rows.h"
#include "elements/set_out_run.h"
#include "numeric/report_numbers.h"
#include "resource_ids.h"
#include "route/line_session.h"
#include "route/route_heights.h"

namespace {

// The point to set out, and whether the line's main points within the run are set
// out among its pickets.
constexpr std::array<CalculatorField, 1> MainPointsRow = {
    CheckField(IDC_WITH_MAIN_POINTS, "   with main points", StoredValue::withMainPoints),
};
constexpr auto Fields = JoinFieldRows(SetOutRow, MainPointsRow);
constexpr const char* OutsideOfRoute = "!Picket outside of the line!";

// The main points of the line (the joints of an element line) at their stations.
std::vector<NamedStation> MainPointStations(const Alignment& line) {
    std::vector<NamedStation> stations;
    for (const AlignmentMark& mark : line.marks)
        if (mark.kind == MarkKind::MainPoint) stations.push_back({mark.PK, mark.label});
    return stations;
}

// "Y=…   X=…" of a further place of the station, for the note on its line.
std::string FurtherPlaces(const Alignment& line, const std::vector<LineSetOut>& places) {
    std::string note;
    for (std::size_t i = 1; i < places.size(); ++i)
        if (places[i].outcome == SetOutOutcome::SetOut)
            note += "   !Station also on " + line.elements[places[i].element].name + ": Y=" +
                    LinearText(places[i].Y) + "   X=" + LinearText(places[i].X) + "!";
    return note;
}

CalculationOutput Compute(CalculationStore& store) {
    LineSession& session = TheLineSession();
    const Alignment* line = session.Line();
    if (line == nullptr)
        return SetOutStoredRun(store, "\r\n" + StoredRouteDescription() + "\r\n",
                               [](double, double) { return OutsidePoint(OutsideOfRoute); });
    // The refusal of each element whose centre an offset reaches, named by its curve:
    // "!Offset beyond the centre of VU2!".
    std::vector<std::string> beyondCentre;
    for (const AlignmentElement& e : line->elements)
        beyondCentre.push_back("!Offset beyond the centre of " + e.curveName + "!");
    const RouteHeights heights(*line, session.Profile());
    // The design level of the first point, when it is set out: the dialog's H.
    std::optional<double> firstLevel;
    bool first = true;
    // The points set out, kept for the pictures of the line.
    std::vector<SetOutRoutePoint> kept;
    const std::vector<NamedStation> mainPoints =
        store[StoredValue::withMainPoints] != 0 ? MainPointStations(*line) : std::vector<NamedStation>();
    CalculationOutput out = SetOutStoredRun(
        store, "\r\n" + StoredRouteDescription() + "\r\n",
        [&](const RunStation& station, double d) {
            const double PK = station.PK;
            const bool isFirst = std::exchange(first, false);
            const std::vector<LineSetOut> places = SetOutOnAlignment(*line, PK, d);
            if (places.empty()) return OutsidePoint(OutsideOfRoute);
            const LineSetOut& point = places.front();
            switch (point.outcome) {
            case SetOutOutcome::PicketOutside:
                return OutsidePoint(OutsideOfRoute);
            case SetOutOutcome::OffsetBeyondCentre:
                return SetOutPoint{0, 0, beyondCentre[point.element].c_str(), false};
            case SetOutOutcome::SetOut:
                break;
            }
            SetOutPoint set{point.Y, point.X};
            set.element = line->elements[point.element].name + FurtherPlaces(*line, places);
            // The heights at the station before the element: "H=…   h=…   circle VU1".
            if (heights.Shown()) set.element = heights.SetOutText(PK) + "   " + set.element;
            const std::optional<double> H = heights.Level(PK);
            if (isFirst) firstLevel = H;
            kept.push_back({PK, d, point.Y, point.X, station.name, H});
            return set;
        },
        mainPoints);
    session.KeepSetOut(std::move(kept));
    out.resultFields.push_back({IDC_H_SO, firstLevel ? LinearText(*firstLevel) : std::string()});
    return out;
}

std::string NoteText() {
    return StoredRouteDescription();
}

constexpr CalculatorNote Note = {IDC_LINE_STORED, NoteText};
} // namespace

const Calculator RouteSetOutCalculator = {IDD_SET_OUT_LINE, "Set out on the line", Fields, Compute, &Note};
