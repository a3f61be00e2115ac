// What the three set-out calculators share: the pickets of a run, and the
// report lines, result fields and stored PZ of the points set out. Each calculator
// gives its element piece and a function that places one point from its picket
// and offset; this runs that function over the pickets.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "calculator/calculator.h"

// A run sets out at most this many points; a longer one sets out none.
constexpr int MaxSetOutPoints = 10000;

// The pickets of a run from PK toward PK_to by |step|: PK + k |step| for k = 0, 1, ...
// as long as they do not pass PK_to, then PK_to itself unless the last one lies
// within LengthTolerance (geometry/tolerances.h) of it. A step of 0 gives PK alone.
// tooLong (and no pickets) when that would be more than MaxSetOutPoints pickets. A
// run whose length is not a number gives PK and PK_to.
struct SetOutPickets {
    std::vector<double> pickets;
    bool tooLong = false;
};
SetOutPickets RunPickets(double PK, double PK_to, double step);

// One point set out: its coordinates, or why it is not set out.
struct SetOutPoint {
    double Y = 0, X = 0;
    // Null for a point set out; otherwise the text that ends its report line.
    const char* refusal = nullptr;
    // Whether the refused point's line still shows its offset.
    bool refusalShowsOffset = false;
    // For a point set out, what its line ends with after the coordinates (the
    // element of a line it lies on); empty for none.
    std::string element = {};
};

// A point outside the element: its line shows the picket and the refusal text.
inline SetOutPoint OutsidePoint(const char* text) {
    return {0, 0, text, false};
}

// A station of a run set out under its own name (a main point of a line).
struct NamedStation {
    double PK;
    std::string name;
};

// One station of a run as it is set out: its picket and the name of its line.
struct RunStation {
    double PK;
    std::string name;
};

// The stations of the stored run: the pickets named "<name>-1", "<name>-2", ... (the
// name alone for a run of one picket), and among them, in the run's direction, each
// of `named` whose station lies within the run (its ends included), after a picket
// at the same station.
std::vector<RunStation> StoredRunStations(const std::string& name, const SetOutPickets& run,
                                          const std::vector<NamedStation>& named);

// The set-out of the stored run on one geometry: the result pieces are the element
// piece and the points piece (CR LF, then one line a point), in one append each;
// the result fields Y_so and X_so show the first point, which is also stored as PZ.
// A first point not set out shows 0 in both fields and stores nothing.
CalculationOutput SetOutStoredRun(CalculationStore& store, std::string elementsPiece,
                                  const std::function<SetOutPoint(double PK, double d)>& placePoint);
// The same with named stations set out among the pickets; placePoint is told the
// name of each station's line.
CalculationOutput SetOutStoredRun(CalculationStore& store, std::string elementsPiece,
                                  const std::function<SetOutPoint(const RunStation& station, double d)>& placePoint,
                                  const std::vector<NamedStation>& named);
