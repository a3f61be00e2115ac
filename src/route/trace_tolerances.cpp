#include "route/trace_tolerances.h"

#include <cmath>

#include "route/table_fields.h"
#include "text/line_fields.h"
#include "text/not_a_number.h"
#include "text/shown_text.h"

namespace {
// The tolerance an item's label names, or null.
std::optional<double>* ToleranceOf(TraceTolerances& tolerances, std::string_view label) {
    if (label == "d") return &tolerances.d;
    if (label == "dH") return &tolerances.dH;
    if (label == "dh") return &tolerances.dh;
    return nullptr;
}

// Reads the items of one TOL line into tolerances; the reason it is refused otherwise.
std::string ReadItems(const LineFields& fields, TraceTolerances& tolerances) {
    TraceTolerances read = tolerances;
    for (int i = 1; i < fields.count; ++i) {
        const std::string_view item = fields.at[i];
        const std::size_t equals = item.find('=');
        std::optional<double>* tolerance =
            equals == std::string_view::npos ? nullptr : ToleranceOf(read, item.substr(0, equals));
        if (tolerance == nullptr) return QuotedText(item) + " is no d=, dH= or dh=";
        const std::string_view text = item.substr(equals + 1);
        double value = 0;
        if (!ReadNumberField(text, value)) return NotANumberText(text);
        if (!std::isfinite(value) || value < 0) return QuotedText(text) + " is no tolerance";
        *tolerance = value;
    }
    tolerances = read;
    return {};
}

bool Over(std::optional<double> tolerance, std::optional<double> value) {
    return tolerance && value && std::fabs(*value) > *tolerance;
}
} // namespace

bool IsToleranceLine(std::string_view line) {
    // Every selected line is asked: the first letter alone turns most away.
    const std::size_t start = line.find_first_not_of(" \t;");
    if (start == std::string_view::npos || (line[start] != 'T' && line[start] != 't')) return false;
    const LineFields first = SplitLineFields(line, 1);
    return first.count == 1 && IsTableWord(first.at[0], "TOL");
}

std::string ToleranceLineRefusal(std::string_view line) {
    TraceTolerances unused;
    return ReadItems(SplitLineFields(line, MaxLineFields), unused);
}

ToleranceLines ReadToleranceLines(std::span<const TextLine> lines) {
    ToleranceLines read;
    for (const TextLine& line : lines)
        if (IsToleranceLine(line.text)) {
            read.given = true;
            ReadItems(SplitLineFields(line.text, MaxLineFields), read.tolerances);
        }
    return read;
}

OverTolerance OverTolerances(const TraceTolerances& tolerances, double d, std::optional<double> dH,
                             std::optional<double> dh) {
    return {Over(tolerances.d, d), Over(tolerances.dH, dH), Over(tolerances.dh, dh)};
}

void OverTolerance::AppendFlag(std::string& out) const {
    // Every point of a check is flagged or not: the flag's text for each of the
    // seven ways, appended whole.
    static constexpr std::string_view Flags[] = {
        "",   "   !over: d!",  "   !over: dH!",  "   !over: d dH!", "   !over: dh!", "   !over: d dh!",
        "   !over: dH dh!", "   !over: d dH dh!"};
    out += Flags[(d ? 1 : 0) + (dH ? 2 : 0) + (dh ? 4 : 0)];
}
