// What the readers of a route's tables (the IP table, the profile) share: the word
// that starts a line, the reading of a numeric field with the refusal that names
// the line, the field and what it holds, and the refusal of a name given twice.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/line_fields.h"

// Whether the field is the word, compared without regard to case.
bool IsTableWord(std::string_view field, std::string_view word);

// "line 8"
std::string TableLineName(int number);

// Reads fields.at[at] as a number into value. Empty when it is one (and finite,
// where finite is asked); otherwise the refusal in plain words:
//   line 8: the H field "5432548,022" is not a number (write a decimal point)
//   line 8: the H field "inf" is not a finite number
// A missing field is the caller's to name, with what its line needs.
std::string ReadTableNumber(const LineFields& fields, int at, std::string_view label, int lineNumber,
                            double& value, bool finite = true);

// Empty when the value read from fields.at[at] lies within least..most (the limits
// of geometry/tolerances.h); otherwise the refusal:
//   line 5: the R field "1e-10" lies beyond what track can have (1 to 1e+09)
std::string RangeRefusal(const LineFields& fields, int at, std::string_view label, int lineNumber,
                         double value, double least, double most);

// The name of a row (an IP, a PVI) as the table gives it, control bytes shown as
// "?": the name goes into refusals and report lines, which must stay one line each.
std::string TableName(std::string_view field);

// The first row whose name an earlier row bears, in plain words ("two PVIs are
// named VP1 (line 2 and line 5)"); empty when every name is its own. Rows have a
// name and a lineNumber.
template <typename Row> std::string SharedNameRefusal(const std::vector<Row>& rows, std::string_view kind) {
    std::unordered_map<std::string_view, int> firstLine;
    for (const Row& row : rows) {
        auto [at, isNew] = firstLine.emplace(row.name, row.lineNumber);
        if (!isNew)
            return "two " + std::string(kind) + " are named " + row.name + " (" + TableLineName(at->second) +
                   " and " + TableLineName(row.lineNumber) + ")";
    }
    return {};
}
