#include "route/element_table_reader.h"

#include <cmath>
#include <string_view>

#include "route/table_fields.h"
#include "text/line_fields.h"

namespace {
using Kind = AlignmentElementKind;

enum class RowWord { Elements, Straight, Arc, Spiral, Cant, End, Other };

RowWord WordOf(const LineFields& fields) {
    if (fields.count == 0) return RowWord::Other;
    const std::pair<const char*, RowWord> words[] = {{"ELEMENTS", RowWord::Elements}, {"STRAIGHT", RowWord::Straight},
                                                     {"ARC", RowWord::Arc},           {"SPIRAL", RowWord::Spiral},
                                                     {"CANT", RowWord::Cant},         {"END", RowWord::End}};
    for (const auto& [word, row] : words)
        if (IsTableWord(fields.at[0], word)) return row;
    return RowWord::Other;
}

// The labels of a row's numbers after its word, in order.
struct RowShape {
    const char* word;
    int count;
    const char* labels[7];
};
constexpr RowShape Straight = {"STRAIGHT", 5, {"PK", "Y", "X", "AZ", "L"}};
constexpr RowShape Arc = {"ARC", 6, {"PK", "Y", "X", "AZ", "L", "R"}};
constexpr RowShape Spiral = {"SPIRAL", 7, {"PK", "Y", "X", "AZ", "L", "R1", "R2"}};
constexpr RowShape Cant = {"CANT", 2, {"PK", "h"}};
constexpr RowShape End = {"END", 3, {"PK", "Y", "X"}};

// Reads a row's numbers into values; the refusal, or empty.
std::string ReadRow(const LineFields& fields, const RowShape& shape, int lineNumber, double* values) {
    if (fields.count < 1 + shape.count) {
        std::string needs;
        for (int i = 0; i < shape.count; ++i)
            needs += (i == 0 ? "" : i + 1 == shape.count ? " and " : ", ") + std::string(shape.labels[i]);
        return TableLineName(lineNumber) + " lacks a number: " + shape.word + " needs " + needs;
    }
    for (int i = 0; i < shape.count; ++i)
        if (std::string refusal = ReadTableNumber(fields, 1 + i, shape.labels[i], lineNumber, values[i]);
            !refusal.empty())
            return refusal;
    return {};
}

// The name after the word ELEMENTS: the rest of the line, blanks trimmed.
std::string TableName(std::string_view line, const LineFields& fields) {
    if (fields.count < 2) return {};
    std::string_view rest = line.substr(static_cast<std::size_t>(fields.at[1].data() - line.data()));
    while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t' || rest.back() == ';'))
        rest.remove_suffix(1);
    std::string name(rest);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return name;
}

std::string ReadElement(const LineFields& fields, RowWord word, int number, ElementTable& table) {
    const RowShape& shape = word == RowWord::Straight ? Straight : word == RowWord::Arc ? Arc : Spiral;
    double v[7] = {};
    if (std::string refusal = ReadRow(fields, shape, number, v); !refusal.empty()) return refusal;
    TableElement e{word == RowWord::Straight ? Kind::Straight : word == RowWord::Arc ? Kind::Arc : Kind::Spiral,
                   number, v[0], v[1], v[2], v[3], v[4]};
    if (word == RowWord::Arc) e.R1 = e.R2 = v[5];
    if (word == RowWord::Spiral) e.R1 = v[5], e.R2 = v[6];
    if (!(e.L > 0)) return TableLineName(number) + ": the length of the " + shape.word + " is not above 0";
    if (word == RowWord::Arc && e.R1 == 0) return TableLineName(number) + ": the radius of the ARC is 0";
    table.elements.push_back(e);
    return {};
}
} // namespace

bool HoldsElementTable(std::span<const TextLine> lines) {
    for (const TextLine& line : lines) {
        const LineFields fields = SplitLineFields(line.text, 1);
        if (fields.count > 0 && IsTableWord(fields.at[0], "ELEMENTS")) return true;
    }
    return false;
}

ElementTableReading ReadElementTable(std::span<const TextLine> lines) {
    ElementTableReading reading;
    ElementTable& table = reading.table;
    std::string& refusal = reading.refusal;
    bool started = false, ended = false;
    for (const TextLine& line : lines) {
        if (IsBlankLine(line.text)) continue;
        const int number = line.number;
        const LineFields fields = SplitLineFields(line.text, MaxLineFields);
        const RowWord word = WordOf(fields);
        if (word == RowWord::Other) {
            reading.skippedNotes += SkippedLineNote(number, line.text);
            continue;
        }
        if (word == RowWord::Elements) {
            if (started)
                refusal = TableLineName(number) + " is a second ELEMENTS line";
            else
                table.name = TableName(line.text, fields), started = true;
        } else if (!started) {
            refusal = "the " + std::string(fields.at[0]) + " row of " + TableLineName(number) +
                      " comes before the ELEMENTS line";
        } else if (ended) {
            refusal = TableLineName(number) + " comes after the END line";
        } else if (word == RowWord::End) {
            double v[3];
            if ((refusal = ReadRow(fields, End, number, v)).empty())
                table.PK_end = v[0], table.Y_end = v[1], table.X_end = v[2], table.endLine = number, ended = true;
        } else if (word == RowWord::Cant) {
            double v[2];
            if ((refusal = ReadRow(fields, Cant, number, v)).empty()) table.cant.push_back({number, v[0], v[1]});
        } else if (table.elements.size() == static_cast<std::size_t>(MaxTableElements)) {
            refusal = "the line has more than " + std::to_string(MaxTableElements) + " elements";
        } else {
            refusal = ReadElement(fields, word, number, table);
        }
        if (!refusal.empty()) return reading;
    }
    if (!started)
        refusal = "there is no ELEMENTS line";
    else if (!ended)
        refusal = "there is no END line";
    else if (table.elements.empty())
        refusal = "the table has no element";
    return reading;
}
