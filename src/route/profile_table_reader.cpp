#include "route/profile_table_reader.h"

#include "geometry/tolerances.h"
#include "route/table_fields.h"
#include "text/line_fields.h"

namespace {
enum class LineWord { Start, Pvi, End, Other };

LineWord WordOf(const LineFields& fields) {
    if (fields.count == 0) return LineWord::Other;
    if (IsTableWord(fields.at[0], "PSTART")) return LineWord::Start;
    if (IsTableWord(fields.at[0], "PVI")) return LineWord::Pvi;
    if (IsTableWord(fields.at[0], "PEND")) return LineWord::End;
    return LineWord::Other;
}

// A picket, a level or a vertical radius beyond what track can have (the limits of
// geometry/tolerances.h), as RangeRefusal words it; a radius below 0 is left to the
// profile's own judgement.
std::string ImplausibleRefusal(const LineFields& fields, int at, std::string_view label, int lineNumber,
                               double value) {
    if (label == "H") return RangeRefusal(fields, at, label, lineNumber, value, -HighestLevel, HighestLevel);
    if (label == "Rv")
        return value < 0 ? std::string() : RangeRefusal(fields, at, label, lineNumber, value, 0, MostVerticalRadius);
    return RangeRefusal(fields, at, label, lineNumber, value, -FarthestCoordinate, FarthestCoordinate);
}

// Reads the numbers of a line, labelled, from field `first` on; the refusal or empty.
// `needs` says what the line holds ("PVI needs a name, PK, H and Rv").
std::string ReadNumbers(const LineFields& fields, int first, std::span<const char* const> labels,
                        int lineNumber, const char* needs, double* values) {
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const int at = first + static_cast<int>(i);
        if (at >= fields.count) return TableLineName(lineNumber) + " lacks " + labels[i] + ": " + needs;
        std::string refusal = ReadTableNumber(fields, at, labels[i], lineNumber, values[i]);
        if (refusal.empty()) refusal = ImplausibleRefusal(fields, at, labels[i], lineNumber, values[i]);
        if (!refusal.empty()) return refusal;
    }
    return {};
}

constexpr const char* PicketAndLevel[] = {"PK", "H"};
constexpr const char* PviNumbers[] = {"PK", "H", "Rv"};
} // namespace

ProfileTableReading ReadProfileTable(std::span<const TextLine> lines) {
    ProfileTableReading reading;
    ProfileTable& table = reading.table;
    std::string& refusal = reading.refusal;
    bool started = false, ended = false;
    for (const TextLine& line : lines) {
        if (IsBlankLine(line.text)) continue;
        const int number = line.number;
        const LineFields fields = SplitLineFields(line.text, 5);
        const LineWord word = WordOf(fields);
        double v[3];
        if (word == LineWord::Other) {
            reading.skippedNotes += SkippedLineNote(number, line.text);
            continue;
        }
        if (word == LineWord::Start) {
            if (started)
                refusal = TableLineName(number) + " is a second PSTART line";
            else if ((refusal = ReadNumbers(fields, 1, PicketAndLevel, number, "PSTART needs PK and H", v))
                         .empty()) {
                table.PK_start = v[0], table.H_start = v[1];
                started = true;
            }
        } else if (word == LineWord::End) {
            if (ended)
                refusal = TableLineName(number) + " is a second PEND line";
            else if (!started)
                refusal = "the PEND line comes before the PSTART line";
            else if ((refusal = ReadNumbers(fields, 1, PicketAndLevel, number, "PEND needs PK and H", v))
                         .empty()) {
                table.PK_end = v[0], table.H_end = v[1];
                ended = true;
            }
        } else {
            constexpr const char* needs = "PVI needs a name, PK, H and Rv";
            if (!started)
                refusal = "the PVI of " + TableLineName(number) + " comes before the PSTART line";
            else if (ended)
                refusal = "the PVI of " + TableLineName(number) + " comes after the PEND line";
            else if (table.pvis.size() == static_cast<std::size_t>(MaxProfilePvis))
                refusal = "the profile has more than " + std::to_string(MaxProfilePvis) + " PVIs";
            else if (fields.count < 2)
                refusal = TableLineName(number) + " lacks a name: " + needs;
            else if ((refusal = ReadNumbers(fields, 2, PviNumbers, number, needs, v)).empty())
                table.pvis.push_back({TableName(fields.at[1]), number, v[0], v[1], v[2]});
        }
        if (!refusal.empty()) return reading;
    }
    if (!started)
        refusal = "there is no PSTART line";
    else if (!ended)
        refusal = "there is no PEND line";
    else
        refusal = SharedNameRefusal(table.pvis, "PVIs");
    return reading;
}
