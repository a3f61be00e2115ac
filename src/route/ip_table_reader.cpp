#include "route/ip_table_reader.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string_view>

#include "geometry/tolerances.h"
#include "route/table_fields.h"
#include "text/line_fields.h"
#include "text/not_a_number.h"

namespace {
enum class LineWord { Start, Ip, End, Other };

LineWord WordOf(const LineFields& fields) {
    if (fields.count == 0) return LineWord::Other;
    if (IsTableWord(fields.at[0], "START")) return LineWord::Start;
    if (IsTableWord(fields.at[0], "IP")) return LineWord::Ip;
    if (IsTableWord(fields.at[0], "END")) return LineWord::End;
    return LineWord::Other;
}

// Reads fields first..first+count-1 as numbers into values; false when one is
// missing, is no number, or (for coordinates and pickets) is not finite: the text of
// such a field is then in notANumber.
bool ReadNumbers(const LineFields& fields, int first, int count, double* values, std::string_view& notANumber,
                 bool finite = true) {
    for (int i = 0; i < count; ++i) {
        const int at = first + i;
        if (at >= fields.count) return false;
        if (!ReadNumberField(fields.at[at], values[i]) || (finite && !std::isfinite(values[i]))) {
            notANumber = fields.at[at];
            return false;
        }
    }
    return true;
}

// Why a line's numbers were not read: the field that is no (finite) number, or what
// the line's word needs.
std::string NumbersRefusal(int number, std::string_view notANumber, const char* needs) {
    if (notANumber.data() == nullptr) return TableLineName(number) + " lacks a number: " + needs;
    double value = 0;
    return TableLineName(number) + ": " +
           (ReadNumberField(notANumber, value) ? NotAFiniteNumberText(notANumber) : NotANumberText(notANumber));
}

// The cant of an IP, its seventh field: 0 when there is none or the field starts
// with a letter or a mark (a code column); a field that starts like a number must
// be one, so that a mistyped cant is never read as 0. The refusal, or empty.
std::string ReadCant(const LineFields& fields, int lineNumber, double& h) {
    h = 0;
    if (fields.count < 7 || !StartsLikeANumber(fields.at[6])) return {};
    return ReadTableNumber(fields, 6, "cant", lineNumber, h, false);
}

// A cant ramped over a spiral shorter than LeastSpiralLength (its ramp, the cant
// over the length, would read in the thousands of mm per metre); empty otherwise.
// A spiral so short without a cant is the line's to judge.
std::string SpiralForCantRefusal(const LineFields& fields, int lineNumber, double L, double h) {
    if (!(h > 0 && L > 0 && L < LeastSpiralLength)) return {};
    char least[32];
    std::snprintf(least, sizeof least, "%g", LeastSpiralLength);
    return TableLineName(lineNumber) + ": the L field " + QuotedText(fields.at[5]) +
           " is too short to ramp a cant (at least " + least + ")";
}

// The first of a line's numbers that lies beyond what track can have, from field
// `first` on (labels in field order), as RangeRefusal words it; empty when none does.
// R and the cant are judged only when finite and above 0: the line judges the rest
// with the IP's name. L is judged by SpiralForCantRefusal.
std::string ImplausibleRefusal(const LineFields& fields, int first, std::initializer_list<const char*> labels,
                               const double* values, int lineNumber) {
    int at = first;
    for (const char* label : labels) {
        const std::string_view l = label;
        const double v = *values++;
        std::string refusal;
        if (l == "R" || l == "cant") {
            if (std::isfinite(v) && v > 0)
                refusal = l == "R" ? RangeRefusal(fields, at, l, lineNumber, v, LeastRadius, MostRadius)
                                   : RangeRefusal(fields, at, l, lineNumber, v, 0, MostCant);
        } else if (l == "L") {
            if (std::isfinite(v) && v > FarthestCoordinate)
                refusal = RangeRefusal(fields, at, l, lineNumber, v, 0, FarthestCoordinate);
        } else {
            refusal = RangeRefusal(fields, at, l, lineNumber, v, -FarthestCoordinate, FarthestCoordinate);
        }
        if (!refusal.empty()) return refusal;
        ++at;
    }
    return {};
}
} // namespace

IpTableReading ReadIpTable(std::span<const TextLine> lines) {
    IpTableReading reading;
    IpTable& table = reading.table;
    std::string& refusal = reading.refusal;
    bool started = false, ended = false;
    for (const TextLine& line : lines) {
        if (IsBlankLine(line.text)) continue;
        const int number = line.number;
        std::string_view notANumber;
        const LineFields fields = SplitLineFields(line.text, 7);
        const LineWord word = WordOf(fields);
        if (word == LineWord::Other) {
            reading.skippedNotes += SkippedLineNote(number, line.text);
            continue;
        }
        if (word == LineWord::Start) {
            if (started)
                refusal = TableLineName(number) + " is a second START line";
            else if (!table.ips.empty() || ended)
                refusal = "the START line comes after an IP or END line";
            else if (double v[3]; ReadNumbers(fields, 1, 3, v, notANumber)) {
                table.PK_start = v[0], table.Y_start = v[1], table.X_start = v[2];
                started = true;
                refusal = ImplausibleRefusal(fields, 1, {"PK", "Y", "X"}, v, number);
            } else
                refusal = NumbersRefusal(number, notANumber, "START needs PK, Y and X");
        } else if (word == LineWord::End) {
            if (ended)
                refusal = TableLineName(number) + " is a second END line";
            else if (!started)
                refusal = "the END line comes before the START line";
            else if (double v[2]; ReadNumbers(fields, 1, 2, v, notANumber)) {
                table.Y_end = v[0], table.X_end = v[1];
                ended = true;
                refusal = ImplausibleRefusal(fields, 1, {"Y", "X"}, v, number);
            } else
                refusal = NumbersRefusal(number, notANumber, "END needs Y and X");
        } else {
            double v[4];
            if (!started)
                refusal = "the IP of " + TableLineName(number) + " comes before the START line";
            else if (ended)
                refusal = "the IP of " + TableLineName(number) + " comes after the END line";
            else if (table.ips.size() == static_cast<std::size_t>(MaxRouteIps))
                refusal = "the line has more than " + std::to_string(MaxRouteIps) + " IPs";
            // R and L are judged with the IP's name once the table is read.
            else if (fields.count < 2 || !ReadNumbers(fields, 2, 2, v, notANumber) ||
                     !ReadNumbers(fields, 4, 2, v + 2, notANumber, false))
                refusal = NumbersRefusal(number, notANumber, "IP needs a name, Y, X, R and L");
            else if (double h; (refusal = ReadCant(fields, number, h)).empty() &&
                               (refusal = ImplausibleRefusal(fields, 2, {"Y", "X", "R", "L"}, v, number)).empty() &&
                               (refusal = ImplausibleRefusal(fields, 6, {"cant"}, &h, number)).empty() &&
                               (refusal = SpiralForCantRefusal(fields, number, v[3], h)).empty())
                table.ips.push_back({TableName(fields.at[1]), number, v[0], v[1], v[2], v[3], h});
        }
        if (!refusal.empty()) return reading;
    }
    if (!started)
        refusal = "there is no START line";
    else if (!ended)
        refusal = "there is no END line";
    else
        refusal = SharedNameRefusal(table.ips, "IPs");
    return reading;
}
