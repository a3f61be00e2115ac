#include "elements/set_out_run.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry/tolerances.h"
#include "numeric/arithmetic.h"
#include "resource_ids.h"

namespace {

// One report line: "<name>   PK=<PK>   d=<d>   Y=<Y>   X=<X>" (and the element), or the refusal.
void AddPointLine(std::string& lines, const std::string& name, double PK, double d,
                  const SetOutPoint& point) {
    lines += name;
    lines += "   PK=" + LinearText(PK);
    if (point.refusal == nullptr || point.refusalShowsOffset) lines += "   d=" + LinearText(d);
    if (point.refusal == nullptr) {
        lines += "   Y=" + LinearText(point.Y) + "   X=" + LinearText(point.X);
        if (!point.element.empty()) lines += "   " + point.element;
    } else {
        lines += "   ";
        lines += point.refusal;
    }
    lines += "\r\n";
}

} // namespace

SetOutPickets RunPickets(double PK, double PK_to, double step) {
    SetOutPickets run;
    if (step == 0) {
        run.pickets = {PK};
        return run;
    }
    const double stride = AbsValue(step);
    const double direction = PK_to < PK ? -1.0 : 1.0;
    // Each picket from PK itself, never as a running sum; the first is PK exactly.
    const auto picketAt = [&](double k) { return k == 0 ? PK : PK + direction * (k * stride); };
    const auto landsOn = [&](double picket) { return AbsValue(picket - PK_to) <= LengthTolerance; };

    // Whole steps that stay within the run; the division may round one step short
    // of a run that lands on PK_to.
    double steps = std::floor(AbsValue(PK_to - PK) / stride);
    if (std::isnan(steps)) steps = 0;
    if (steps < MaxSetOutPoints && landsOn(picketAt(steps + 1))) steps = steps + 1;
    const bool endAdded = !landsOn(picketAt(steps));
    if (!(steps + 1 + (endAdded ? 1 : 0) <= MaxSetOutPoints)) {
        run.tooLong = true;
        return run;
    }
    const int count = static_cast<int>(steps) + 1;
    run.pickets.reserve(static_cast<std::size_t>(count) + 1);
    for (int k = 0; k < count; ++k)
        run.pickets.push_back(picketAt(k));
    if (endAdded) run.pickets.push_back(PK_to);
    return run;
}

std::vector<RunStation> StoredRunStations(const std::string& name, const SetOutPickets& run,
                                          const std::vector<NamedStation>& named) {
    std::vector<RunStation> stations;
    stations.reserve(run.pickets.size());
    // A run of several points names them "<name>-1", "<name>-2", ...; with a blank
    // name "1", "2", ..., since "-1" would read as a number.
    const bool numbered = run.pickets.size() > 1;
    const bool blank = name.find_first_not_of(" \t") == std::string::npos;
    for (std::size_t k = 0; k < run.pickets.size(); ++k) {
        const std::string number = std::to_string(k + 1);
        stations.push_back({run.pickets[k], !numbered ? name : blank ? number : name + "-" + number});
    }
    if (named.empty() || run.pickets.empty()) return stations;
    const double first = run.pickets.front(), last = run.pickets.back();
    const bool falling = last < first;
    // Where in the run a station comes: after every station it does not precede.
    const auto before = [falling](double a, double b) { return falling ? a > b : a < b; };
    std::vector<NamedStation> within;
    for (const NamedStation& s : named)
        if (!before(s.PK, first) && !before(last, s.PK)) within.push_back(s);
    std::stable_sort(within.begin(), within.end(),
                     [&](const NamedStation& a, const NamedStation& b) { return before(a.PK, b.PK); });
    for (const NamedStation& s : within) {
        const auto at = std::upper_bound(stations.begin(), stations.end(), s.PK,
                                         [&](double PK, const RunStation& r) { return before(PK, r.PK); });
        stations.insert(at, {s.PK, s.name});
    }
    return stations;
}

CalculationOutput SetOutStoredRun(CalculationStore& store, std::string elementsPiece,
                                  const std::function<SetOutPoint(double PK, double d)>& placePoint) {
    return SetOutStoredRun(
        store, std::move(elementsPiece), [&](const RunStation& station, double d) { return placePoint(station.PK, d); },
        {});
}

CalculationOutput SetOutStoredRun(CalculationStore& store, std::string elementsPiece,
                                  const std::function<SetOutPoint(const RunStation& station, double d)>& placePoint,
                                  const std::vector<NamedStation>& named) {
    using SV = StoredValue;
    const std::string& name = store.Name(StoredName::PZ);
    const double d = store[SV::d_so];
    const SetOutPickets run = RunPickets(store[SV::PK_so], store[SV::PK_to], store[SV::step]);

    std::string lines = "\r\n";
    double Y_so = 0, X_so = 0;
    if (run.tooLong)
        lines += "!Run of more than " + std::to_string(MaxSetOutPoints) + " points: none set out!\r\n";
    const std::vector<RunStation> stations = StoredRunStations(name, run, named);
    for (std::size_t k = 0; k < stations.size(); ++k) {
        const SetOutPoint point = placePoint(stations[k], d);
        AddPointLine(lines, stations[k].name, stations[k].PK, d, point);
        if (k == 0 && point.refusal == nullptr) {
            Y_so = point.Y;
            X_so = point.X;
            store[SV::Y_pz] = Y_so;
            store[SV::X_pz] = X_so;
        }
    }

    CalculationOutput out;
    out.resultFields = {{IDC_Y_SO, LinearText(Y_so)}, {IDC_X_SO, LinearText(X_so)}};
    out.resultPieces = {std::move(elementsPiece), std::move(lines)};
    return out;
}
