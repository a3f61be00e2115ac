#include "route/ip_table_reader.h"

#include <cmath>
#include <string_view>
#include <unordered_map>

#include "text/line_fields.h"
#include "text/not_a_number.h"

namespace {
enum class LineWord { Start, Ip, End, Other };

// The word that starts a line, compared without regard to case.
bool IsWord(std::string_view field, std::string_view word) {
    if (field.size() != word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = field[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != word[i]) return false;
    }
    return true;
}

LineWord WordOf(const LineFields& fields) {
    if (fields.count == 0) return LineWord::Other;
    if (IsWord(fields.at[0], "START")) return LineWord::Start;
    if (IsWord(fields.at[0], "IP")) return LineWord::Ip;
    if (IsWord(fields.at[0], "END")) return LineWord::End;
    return LineWord::Other;
}

// Reads fields first..first+count-1 as numbers into values; false when one is
// missing, is no number (its text then in notANumber), or (for coordinates and
// pickets) is not finite.
bool ReadNumbers(const LineFields& fields, int first, int count, double* values, std::string_view& notANumber,
                 bool finite = true) {
    for (int i = 0; i < count; ++i) {
        const int at = first + i;
        if (at >= fields.count) return false;
        if (!ReadNumberField(fields.at[at], values[i])) {
            notANumber = fields.at[at];
            return false;
        }
        if (finite && !std::isfinite(values[i])) return false;
    }
    return true;
}

std::string LineName(int number) {
    return "line " + std::to_string(number);
}

// Why a line's numbers were not read: the field that is no number, or what the
// line's word needs.
std::string NumbersRefusal(int number, std::string_view notANumber, const char* needs) {
    if (notANumber.data() != nullptr) return LineName(number) + ": " + NotANumberText(notANumber);
    return LineName(number) + " lacks a number: " + needs;
}

// The first IP whose name an earlier IP bears, in plain words; empty when none does.
std::string SharedNameRefusal(const std::vector<TableIp>& ips) {
    std::unordered_map<std::string_view, int> firstLine;
    for (const TableIp& ip : ips) {
        auto [at, isNew] = firstLine.emplace(ip.name, ip.lineNumber);
        if (!isNew)
            return "two IPs are named " + ip.name + " (" + LineName(at->second) + " and " +
                   LineName(ip.lineNumber) + ")";
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
        const LineFields fields = SplitLineFields(line.text, 6);
        const LineWord word = WordOf(fields);
        if (word == LineWord::Other) {
            reading.skippedNotes += SkippedLineNote(number, line.text);
            continue;
        }
        if (word == LineWord::Start) {
            if (started)
                refusal = LineName(number) + " is a second START line";
            else if (!table.ips.empty() || ended)
                refusal = "the START line comes after an IP or END line";
            else if (double v[3]; ReadNumbers(fields, 1, 3, v, notANumber)) {
                table.PK_start = v[0], table.Y_start = v[1], table.X_start = v[2];
                started = true;
            } else
                refusal = NumbersRefusal(number, notANumber, "START needs PK, Y and X");
        } else if (word == LineWord::End) {
            if (ended)
                refusal = LineName(number) + " is a second END line";
            else if (!started)
                refusal = "the END line comes before the START line";
            else if (double v[2]; ReadNumbers(fields, 1, 2, v, notANumber)) {
                table.Y_end = v[0], table.X_end = v[1];
                ended = true;
            } else
                refusal = NumbersRefusal(number, notANumber, "END needs Y and X");
        } else {
            double v[4];
            if (!started)
                refusal = "the IP of " + LineName(number) + " comes before the START line";
            else if (ended)
                refusal = "the IP of " + LineName(number) + " comes after the END line";
            else if (table.ips.size() == static_cast<std::size_t>(MaxRouteIps))
                refusal = "the line has more than " + std::to_string(MaxRouteIps) + " IPs";
            // R and L are judged with the IP's name once the table is read.
            else if (fields.count < 2 || !ReadNumbers(fields, 2, 2, v, notANumber) ||
                     !ReadNumbers(fields, 4, 2, v + 2, notANumber, false))
                refusal = NumbersRefusal(number, notANumber, "IP needs a name, Y, X, R and L");
            else
                table.ips.push_back({std::string(fields.at[1]), number, v[0], v[1], v[2], v[3]});
        }
        if (!refusal.empty()) return reading;
    }
    if (!started)
        refusal = "there is no START line";
    else if (!ended)
        refusal = "there is no END line";
    else
        refusal = SharedNameRefusal(table.ips);
    return reading;
}
