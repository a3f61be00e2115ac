#include "line/line_set_out.h"

#include <cstddef>
#include <vector>

#include "line/line_elements.h"
#include "line/line_layout.h"
#include "resource_ids.h"
#include "set_out/set_out_run.h"
#include "trace/trace_field_rows.h"

namespace {
using SV = StoredValue;
using K = LineElementKind;

constexpr auto Fields = SetOutRow;
constexpr const char* OutsideOfLine = "!Picket outside of the line!";

// The picket and the line's offset d set out on one element by its own set-out
// calculator; the circle's calculator counts its offset outward from the centre.
SetOutPoint SetOutOnElement(const LineLayout& layout, std::size_t element, double PK, double d) {
    const LineElement& e = layout.Elements()[element];
    CalculationStore work;
    PutElementFields(layout.Line(), e, work);
    const bool rightHandCircle = e.kind == K::Circle && layout.Line().curves[e.curve].sigma > 0;
    work[SV::PK_so] = PK, work[SV::PK_to] = PK, work[SV::step] = 0;
    work[SV::d_so] = rightHandCircle ? -d : d;
    const CalculationOutput out = ElementSetOutCalculator(e.kind).compute(work);
    if (out.resultPieces.back().find('!') != std::string::npos) return OutsidePoint(OutsideOfLine);
    SetOutPoint point{work[SV::Y_pz], work[SV::X_pz]};
    point.element = LineElementName(layout.Line(), e);
    return point;
}

// Whether d reaches or passes the centre of curvature of the element at PK: the
// circle's centre at R - (Z) from the track, a spiral's at C over the picket length
// from its start (none at the start itself).
bool BeyondCentre(const LineLayout& layout, std::size_t element, double PK, double d) {
    const LineElement& e = layout.Elements()[element];
    if (e.kind == K::Straight) return false;
    const LineCurve& c = layout.Line().curves[e.curve];
    const double towardCentre = c.sigma * d;
    if (e.kind == K::Circle) return towardCentre >= c.R - c.Z;
    const double fromStart = e.kind == K::SpiralIn ? PK - c.NSK1.PK : c.NSK2.PK - PK;
    return fromStart > 0 && towardCentre >= c.C / fromStart;
}

CalculationOutput Compute(CalculationStore& store) {
    if (!TheStoredLine)
        return SetOutStoredRun(store, "\r\n" + StoredLineDescription() + "\r\n",
                               [](double, double) { return OutsidePoint(OutsideOfLine); });
    const LineLayout layout(*TheStoredLine);
    // The refusal of each curve, named by its IP: "!Offset beyond the centre of VU2!".
    std::vector<std::string> beyondCentre;
    for (const LineCurve& c : TheStoredLine->curves)
        beyondCentre.push_back("!Offset beyond the centre of " + c.name + "!");
    return SetOutStoredRun(store, "\r\n" + StoredLineDescription() + "\r\n", [&](double PK, double d) {
        const std::size_t element = layout.ElementOfPicket(PK);
        if (element == layout.Elements().size()) return OutsidePoint(OutsideOfLine);
        const double onElement = layout.PicketOnElement(element, PK);
        if (BeyondCentre(layout, element, onElement, d))
            return SetOutPoint{0, 0, beyondCentre[layout.Elements()[element].curve].c_str(), false};
        return SetOutOnElement(layout, element, onElement, d);
    });
}

std::string NoteText() {
    return StoredLineDescription();
}

constexpr CalculatorNote Note = {IDC_LINE_STORED, NoteText};
} // namespace

std::string StoredLineDescription() {
    if (!TheStoredLine) return "No line has been read yet.";
    std::string names = "START";
    for (const LineCurve& c : TheStoredLine->curves)
        names += "-" + c.name;
    return "Line " + names + "-END, PK " + LinearText(TheStoredLine->start.PK) + " to " +
           LinearText(TheStoredLine->end.PK);
}

const Calculator LineSetOutCalculator = {IDD_SET_OUT_LINE, "Set out on the line", Fields, Compute, &Note};
