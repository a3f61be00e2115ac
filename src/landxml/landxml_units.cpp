#include "landxml/landxml_units.h"

namespace {
struct KnownUnit {
    const char* name; // as LandXML writes it
    double metres;
    const char* words;
};

// The US survey foot is defined as 1200/3937 m; the foot is 0.3048 m. "feet" is
// no unit of the schema, but design software writes it (as an elevationUnit
// beside linearUnit "foot"): read as the foot.
const KnownUnit KnownUnits[] = {
    {"meter", 1, "metre"},
    {"foot", 0.3048, "foot (0.3048 m)"},
    {"feet", 0.3048, "foot (0.3048 m)"},
    {"USSurveyFoot", 1200.0 / 3937.0, "US survey foot (1200/3937 m)"},
};

const KnownUnit* FindUnit(const std::string& name) {
    for (const KnownUnit& unit : KnownUnits)
        if (name == unit.name) return &unit;
    return nullptr;
}
} // namespace

bool ReadImportUnits(const LandXmlUnits& units, ImportUnits& read, std::string& refusal) {
    read = ImportUnits{};
    if (units.system.empty()) {
        read.words = "no Units in the file: read as metres";
        read.cantWords = "cant in mm";
        return true;
    }
    const std::string linearName = units.linearUnit.empty() ? "meter" : units.linearUnit;
    const KnownUnit* linear = FindUnit(linearName);
    const KnownUnit* elevation = units.elevationUnit.empty() ? linear : FindUnit(units.elevationUnit);
    if (linear == nullptr || elevation == nullptr) {
        const std::string& name = linear == nullptr ? linearName : units.elevationUnit;
        refusal = "the unit \"" + name +
                  "\" is not read (meter, foot or USSurveyFoot)";
        return false;
    }
    const bool imperial = units.system == "Imperial";
    read.linear = linear->metres;
    read.elevation = elevation->metres;
    read.cant = imperial ? 25.4 : 1;
    read.metres = linear->metres == 1 && elevation->metres == 1;
    read.words = std::string("units ") + linear->words;
    if (elevation->metres != linear->metres) (read.words += ", levels in ") += elevation->words;
    if (!read.metres) read.words += ", written in metres";
    read.cantWords = imperial ? "cant in inches, written in mm" : "cant in mm";
    return true;
}
