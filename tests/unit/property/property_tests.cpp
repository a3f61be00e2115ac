// Properties of the portable core checked over generated inputs: number parsing,
// the two number formats, the text codec, the editor's search and the print
// pagination, every calculator's CALC, and the whole route from its IP table to
// the trace and set-out of points on it, fed random, extreme and hostile values. Built with AddressSanitizer
// and UndefinedBehavior- Sanitizer, so an overread or an undefined operation fails the run too.
//
// Seeded and repeatable: every input comes from (seed, property, input number).
//   property_tests [--seed S] [--count N | --seconds T] [--from I] [gtest flags]
// --count runs N inputs of each property (default: a quick run, a few seconds in
// all); --seconds shares T seconds among the properties that run; --from starts at
// input I, so a failure reported as "seed S, input I" comes back with
// --seed S --from I --count 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/calculator.h"
#include "editor/print_pagination.h"
#include "editor/text_search.h"
#include "files/text_file_codec.h"
#include "geometry/tolerances.h"
#include "elements/point_line_reader.h"
#include "menu/menu_commands.h"
#include "menu/route_set_out_calculator.h"
#include "numeric/arithmetic.h"
#include "numeric/number_formats.h"
#include "numeric/precision_options.h"
#include "numeric/precision_settings.h"
#include "property/generated_profile.h"
#include "property/random_input.h"
#include "resource_ids.h"
#include "alignment/alignment_trace.h"
#include "route/line_session.h"
#include "route/route_elements.h"
#include "route/route_profile.h"
#include "route/route_point_trace.h"
#include "route/vertical_profile.h"
#include "text/line_fields.h"
#include "text/number_text.h"
#include "text/selected_lines.h"
#include "text/text_ops.h"

namespace {

struct RunSettings {
    std::uint64_t seed = 20240611;
    long count = 0; // inputs per property; 0: each property's quick default
    long from = 0;
    double seconds = 0;
} Settings;

// Runs check on the inputs of one property until its count or its share of the
// time is used up, and stops at the first input that fails.
template <typename Check> void ForEachInput(int property, long quickCount, Check check) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto elapsed = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    const double share =
        Settings.seconds / std::max(1, ::testing::UnitTest::GetInstance()->test_to_run_count());
    const long count = Settings.count > 0 ? Settings.count : quickCount;
    long i = Settings.from;
    for (; Settings.seconds > 0 ? elapsed() < share : i < Settings.from + count; ++i) {
        RandomInput in(Settings.seed, property, i);
        check(in);
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "failing input: --seed " << Settings.seed << " --from " << i << " --count 1";
            ++i;
            break;
        }
    }
    std::printf("[ property ] %ld inputs in %.2f s (seed %llu)\n", i - Settings.from, elapsed(),
                static_cast<unsigned long long>(Settings.seed));
}

bool IsNonFiniteWord(std::string_view s) {
    return s == "INF" || s == "-INF" || s == "NAN";
}

// Reads a run of digits at s[i]; false when there is none.
bool Digits(std::string_view s, std::size_t& i) {
    std::size_t begin = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9')
        ++i;
    return i > begin;
}

// A linear value as FormatFixed writes it with n decimals: "-12.3400", or a word.
bool IsFixedText(std::string_view s, int n) {
    if (IsNonFiniteWord(s)) return true;
    std::size_t i = s.starts_with('-') ? 1 : 0;
    if (!Digits(s, i) || i >= s.size() || s[i] != '.') return false;
    std::size_t decimals = ++i;
    return Digits(s, i) && i == s.size() && i - decimals == static_cast<std::size_t>(n);
}

// An angle as FormatDms writes it with n decimals of the seconds: " 57' 17' 44.81'"
// ("-" for the blank of a negative angle), or a word. Gives the angle in degrees.
bool IsDmsText(std::string_view s, int n, double& degrees) {
    degrees = std::nan("");
    if (IsNonFiniteWord(s)) return true;
    if (s.empty() || (s[0] != ' ' && s[0] != '-')) return false;
    // The degrees: every digit, or FormatNumber's exponent form beyond 10^15.
    const std::string text(s);
    char* end = nullptr;
    const double g = std::strtod(text.c_str() + 1, &end);
    std::size_t i = static_cast<std::size_t>(end - text.c_str());
    if (!std::isdigit(static_cast<unsigned char>(text[1])) || s.substr(i, 2) != "' ") return false;
    std::size_t minutesAt = i += 2;
    if (!Digits(s, i) || s.substr(i, 2) != "' ") return false;
    const int minutes = std::atoi(text.c_str() + minutesAt);
    std::size_t secondsAt = i += 2;
    if (!Digits(s, i)) return false;
    if (i < s.size() && s[i] == '.') {
        std::size_t decimals = ++i;
        if (!Digits(s, i) || i - decimals > static_cast<std::size_t>(n)) return false;
    }
    const double seconds = std::strtod(text.c_str() + secondsAt, nullptr);
    if (s.substr(i) != "'" || minutes > 59 || seconds >= 60) return false;
    degrees = (s[0] == '-' ? -1 : 1) * (g + (minutes + seconds / 60) / 60);
    return true;
}

// Stands in a result piece for a point's name as typed, which may be any text.
constexpr std::string_view PointNameMark = "<point>";

// The piece with each point line's leading name ("<name>   PK=" or, in a run,
// "<name>-<k>   PK=", or "<k>   PK=" for a blank name) replaced by PointNameMark.
std::string MarkPointNames(const std::string& piece, const std::string& name) {
    const auto digit = [&](std::size_t at) {
        return at < piece.size() && std::isdigit(static_cast<unsigned char>(piece[at]));
    };
    const bool blank = name.find_first_not_of(" \t") == std::string::npos;
    std::string marked;
    marked.reserve(piece.size());
    std::size_t copied = 0;
    for (std::size_t at = piece.find("\r\n"); at != std::string::npos; at = piece.find("\r\n", at + 1)) {
        const std::size_t start = at + 2;
        std::size_t end = start;
        if (blank && digit(start)) {
            while (digit(end))
                ++end;
        } else if (piece.compare(start, name.size(), name) != 0) {
            continue;
        } else {
            end = start + name.size();
        }
        if (end < piece.size() && piece[end] == '-' && digit(end + 1))
            for (++end; digit(end);)
                ++end;
        if (piece.compare(end, 6, "   PK=") != 0) continue;
        marked.append(piece, copied, start - copied).append(PointNameMark);
        copied = end;
    }
    return marked.append(piece, copied);
}

// One item of a result line: a message "!...!", or a label and a linear or angle
// text: "Lpk=100.0000", "Apk= 45' 0' 0'", "(x0)pz = NSK-3.0000".
bool IsReportItem(std::string_view item) {
    if (item.size() >= 2 && item.front() == '!' && item.back() == '!') return true;
    if (item == PointNameMark) return true;
    std::size_t i = 0;
    if (item.starts_with("(x0)pz = NSK")) {
        i = 12;
    } else if (item.starts_with("(x0)pz = KSK+")) {
        i = 13;
    } else {
        while (i < item.size() && (std::isalnum(static_cast<unsigned char>(item[i])) || item[i] == '_' ||
                                   item[i] == '(' || item[i] == ')'))
            ++i;
        if (i == 0 || i >= item.size() || item[i++] != '=') return false;
    }
    double degrees;
    return IsFixedText(item.substr(i), LinearDecimals) || IsDmsText(item.substr(i), AngleDecimals, degrees);
}

// A result piece: CR LF, lines of items separated by three blanks (or empty), CR LF.
::testing::AssertionResult IsResultPiece(std::string_view piece) {
    if (!piece.starts_with("\r\n") || !piece.ends_with("\r\n"))
        return ::testing::AssertionFailure() << "piece without its line breaks: " << piece;
    std::string_view rest = piece.substr(2);
    while (!rest.empty()) {
        std::size_t end = rest.find("\r\n");
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 2);
        while (!line.empty()) {
            std::size_t gap = line.find("   ");
            if (!IsReportItem(line.substr(0, gap)))
                return ::testing::AssertionFailure() << "item not in the report's layout in line: " << line;
            line = gap == std::string_view::npos ? std::string_view() : line.substr(gap + 3);
        }
    }
    return ::testing::AssertionSuccess();
}

// A text in a heap buffer of exactly its length and a terminator, so that reading
// past the terminator is an overread the sanitizer reports.
double ParseExactBuffer(const std::string& text) {
    std::unique_ptr<char[]> buffer(new char[text.size() + 1]);
    std::memcpy(buffer.get(), text.data(), text.size());
    buffer[text.size()] = '\0';
    return ParseNumber(buffer.get());
}

bool SameDouble(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

// A text the field book may hold: no control byte but the CR LF that ends a line
// (one refusal, one note, one line), and no number written as NAN or INF (each
// value follows its label's "=").
::testing::AssertionResult IsSoundText(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            continue;
        }
        if (c < 0x20 || c == 0x7F)
            return ::testing::AssertionFailure() << "control byte " << int(c) << " at " << i << " in: " << text;
    }
    for (const char* word : {"=NAN", "=INF", "=-INF"})
        if (text.find(word) != std::string_view::npos)
            return ::testing::AssertionFailure() << "a number written " << word << " in: " << text;
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(ParseNumberProperty, AnyBytesAreReadWithinTheirBuffer) {
    ForEachInput(1, 100000, [](RandomInput& in) { ParseExactBuffer(in.Bytes(in.Length(3000), true)); });
}

TEST(ParseNumberProperty, DecimalTextsGiveTheValueTheyDenote) {
    ForEachInput(2, 100000, [](RandomInput& in) {
        char text[64];
        double value = in.AnyDouble();
        if (in.Percent(30)) {
            long long whole = static_cast<long long>(in.Next() >> (1 + in.Below(63)));
            if (in.Percent(50)) whole = -whole;
            std::snprintf(text, sizeof text, "%lld", whole);
            value = static_cast<double>(whole);
        } else {
            std::snprintf(text, sizeof text, "%.17g", value); // 17 digits name one double exactly
        }
        // Blanks before and any non-digit after a number do not change it.
        std::string typed = std::string(in.Percent(20) ? " \t" : "") + text + (in.Percent(20) ? "'x" : "");
        EXPECT_TRUE(SameDouble(ParseExactBuffer(typed), value)) << typed;
    });
}

TEST(NumberFormatProperty, EveryDoubleAtEverySettingIsANumberTextOrAWord) {
    ForEachInput(3, 20000, [](RandomInput& in) {
        const int kind = in.Below(10);
        const double x = kind < 5   ? in.AnyDouble()
                         : kind < 8 ? in.NearRoundingEdge()
                         : kind < 9 ? in.Extreme()
                                    : in.Mixed();
        for (int n = MinLinearDecimals; n <= MaxLinearDecimals; ++n) {
            const std::string text = FormatFixed(x, n);
            ASSERT_TRUE(IsFixedText(text, n)) << text << " for " << x << " with " << n << " decimals";
            if (!std::isfinite(x)) continue;
            ASSERT_EQ(text[0] == '-', x < 0) << text;
            // Within half a unit of the last decimal, and two units in the last place
            // of x for the two roundings: adding the half unit, and reading the text
            // back. Checked while 10^n * |x| < 2^53, where the double still resolves
            // a unit of the last decimal; beyond, the printed digits past the
            // double's own precision cannot all be right.
            const double unit = std::pow(10.0, -n);
            if (std::abs(x) / unit >= 0x1p53) continue;
            const double ulp = std::nextafter(std::abs(x) + 1, INFINITY) - (std::abs(x) + 1);
            ASSERT_LE(std::abs(ParseNumber(text.c_str()) - x), unit / 2 + 2 * ulp) << text << " for " << x;
        }
        const double degrees = x * 180 / 3.1415926535897905;
        for (AngleDecimals = MinAngleDecimals; AngleDecimals <= MaxAngleDecimals; ++AngleDecimals) {
            const std::string text = FormatDms(x);
            double read;
            ASSERT_TRUE(IsDmsText(text, AngleDecimals, read)) << text << " for " << x;
            // The same bound for the seconds, while their last decimal is resolved.
            const double unit = std::pow(10.0, -AngleDecimals) / 3600;
            if (!(std::abs(degrees) / unit < 0x1p50)) continue;
            const double ulp = std::nextafter(std::abs(degrees) + 1, INFINITY) - (std::abs(degrees) + 1);
            ASSERT_LE(std::abs(read - degrees), unit / 2 + 8 * ulp) << text << " for " << x;
        }
        AngleDecimals = DefaultAngleDecimals;
    });
}

TEST(TextCodecProperty, AnyFileLoadsAndTheLoadedTextSavesAndLoadsUnchanged) {
    ForEachInput(4, 20000, [](RandomInput& in) {
        const std::string text = TextFromFileBytes(in.Bytes(in.Length(20000), true));
        ASSERT_EQ(text.find('\0'), std::string::npos);
        ASSERT_TRUE(text.empty() || text.ends_with("\r\n"));
        ASSERT_EQ(TextFromFileBytes(FileBytesFromText(text)), text);
    });
}

TEST(TextCodecProperty, AnEditorTextSavesAndLoadsUnchanged) {
    ForEachInput(5, 20000, [](RandomInput& in) {
        const std::string text = in.EditorText();
        // The load ends the last line with CR LF when the text did not.
        const bool ended = text.empty() || text.ends_with("\r\n");
        ASSERT_EQ(TextFromFileBytes(FileBytesFromText(text)), ended ? text : text + "\r\n");
    });
}

// The search against the plainest reading of its contract: every position tried in
// turn, letters A-Z and a-z folded by hand, word characters looked at on each side.
std::size_t ReferenceFind(std::string_view text, std::string_view what, std::size_t from,
                          const SearchOptions& o) {
    if (what.empty()) return NoMatch;
    from = std::min(from, text.size());
    const auto fold = [&](char c) { return !o.matchCase && c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
    const auto word = [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 128 || u == '_' || std::isalnum(u);
    };
    const auto matchAt = [&](std::size_t p) {
        if (p + what.size() > text.size()) return false;
        for (std::size_t k = 0; k < what.size(); ++k)
            if (fold(text[p + k]) != fold(what[k])) return false;
        if (!o.wholeWord) return true;
        return (p == 0 || !word(text[p - 1])) &&
               (p + what.size() == text.size() || !word(text[p + what.size()]));
    };
    if (o.down) {
        for (std::size_t p = from; p + what.size() <= text.size(); ++p)
            if (matchAt(p)) return p;
        return NoMatch;
    }
    for (std::size_t end = from; end >= what.size(); --end)
        if (matchAt(end - what.size())) return end - what.size();
    return NoMatch;
}

TEST(SearchProperty, FindAgreesWithTryingEveryPositionAndReplaceAllWithRepeatedFinds) {
    ForEachInput(7, 20000, [](RandomInput& in) {
        // A small alphabet, so that matches, case pairs and word edges come often.
        static const char letters[] = {'a', 'A', 'b', 'B', ' ', '_', '1', '\r', '\n', '\xC9', '\xE9', '.'};
        std::string text(in.Length(400), ' ');
        for (char& c : text)
            c = letters[in.Below(sizeof letters)];
        std::string what(static_cast<std::size_t>(in.Below(4)), ' ');
        for (char& c : what)
            c = letters[in.Below(sizeof letters)];
        if (in.Percent(50) && !text.empty()) {
            const std::size_t at = static_cast<std::size_t>(in.Below(static_cast<int>(text.size())));
            what = text.substr(at, static_cast<std::size_t>(1 + in.Below(5)));
        }
        const SearchOptions options{in.Percent(50), in.Percent(50), in.Percent(50)};
        const std::size_t from = static_cast<std::size_t>(in.Below(static_cast<int>(text.size()) + 3));
        ASSERT_EQ(FindInText(text, what, from, options), ReferenceFind(text, what, from, options))
            << "text \"" << text << "\" what \"" << what << "\" from " << from;
        // Replace All: the text with each match, found left to right past the last
        // one, replaced, equals the span change applied to the text.
        const std::string with = in.Percent(50) ? what + "x" : "";
        const ReplaceAllChange change = ReplaceAllInText(text, what, with, options);
        SearchOptions down = options;
        down.down = true;
        std::string expected;
        std::size_t copied = 0, count = 0;
        for (std::size_t at = ReferenceFind(text, what, 0, down); at != NoMatch;
             at = ReferenceFind(text, what, at + what.size(), down), ++count) {
            expected += text.substr(copied, at - copied) + with;
            copied = at + what.size();
        }
        expected += text.substr(copied);
        ASSERT_EQ(change.count, count);
        if (count > 0) {
            ASSERT_LE(change.start, change.end);
            ASSERT_EQ(text.substr(0, change.start) + change.replacement + text.substr(change.end), expected);
        }
    });
}

// The pieces a line of the text was printed as, found again in the line: each
// continuation begins with the indent; between two pieces the line holds blanks
// only; a piece that ends inside a word fills its printed line and holds no blank
// after a word (the word is longer than a line); a piece that ends at a blank could
// not have taken the next word too.
void CheckBrokenLine(const std::string& line, const std::vector<std::string>& pieces, std::size_t columns) {
    const std::size_t indent = columns > 2 * ContinuationIndent ? ContinuationIndent : 0;
    std::size_t at = 0;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        std::string piece = pieces[k];
        const std::size_t room = k == 0 ? columns : columns - indent;
        if (k > 0) {
            ASSERT_EQ(piece.substr(0, indent), std::string(indent, ' '));
            piece.erase(0, indent);
            ASSERT_FALSE(piece.empty());
            ASSERT_NE(piece[0], ' ');
        }
        ASSERT_EQ(line.compare(at, piece.size(), piece), 0) << "piece " << k << " of \"" << line << '"';
        std::size_t next = at + piece.size();
        if (k + 1 == pieces.size()) {
            ASSERT_EQ(line.find_first_not_of(' ', next), std::string::npos); // only blanks left
            return;
        }
        const std::size_t resume = line.find_first_not_of(' ', next);
        ASSERT_NE(resume, std::string::npos);
        if (resume == next) { // cut inside a word
            ASSERT_EQ(piece.size(), room);
            const std::size_t blank = piece.find(' ');
            ASSERT_TRUE(blank == std::string::npos || piece.find_first_not_of(' ') > blank);
        } else if (piece.empty()) { // leading blanks as wide as the line
            ASSERT_EQ(k, 0u);
            ASSERT_GE(resume, room);
        } else {
            ASSERT_NE(piece.back(), ' ');
            std::size_t wordEnd = line.find(' ', resume);
            if (wordEnd == std::string::npos) wordEnd = line.size();
            ASSERT_GT(wordEnd - at, room) << "the next word fits: \"" << line << '"';
        }
        at = resume;
    }
}

TEST(PaginationProperty, LinesBrokenAtBlanksInOrderNoLineWiderThanThePage) {
    ForEachInput(8, 20000, [](RandomInput& in) {
        std::string text = in.EditorText();
        for (char& c : text)
            if (in.Percent(5)) c = '\t';
            else if (in.Percent(12)) c = ' ';
        const int columns = 1 + in.Below(in.Percent(50) ? 12 : 120);
        const int perPage = 1 + in.Below(in.Percent(50) ? 4 : 70);
        const std::vector<PrintedPage> pages = PaginateText(text, columns, perPage);
        ASSERT_FALSE(pages.empty());
        std::vector<std::string> printed;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            ASSERT_LE(pages[p].size(), static_cast<std::size_t>(perPage));
            if (p + 1 < pages.size()) {
                ASSERT_EQ(pages[p].size(), static_cast<std::size_t>(perPage));
            } else if (pages.size() > 1) {
                ASSERT_FALSE(pages[p].empty());
            }
            for (const std::string& line : pages[p]) {
                ASSERT_LE(line.size(), static_cast<std::size_t>(columns));
                ASSERT_EQ(line.find('\t'), std::string::npos);
                printed.push_back(line);
            }
        }
        // Each line of the text, printed alone, is the next run of printed lines, and
        // is broken soundly.
        std::size_t next = 0;
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = std::min(text.find("\r\n", start), text.size());
            const std::string_view line = std::string_view(text).substr(start, end - start);
            const std::vector<std::string> pieces = PrintedLines(std::string(line) + "\r\n", columns);
            ASSERT_FALSE(pieces.empty());
            for (const std::string& piece : pieces) ASSERT_EQ(printed.at(next++), piece);
            ASSERT_NO_FATAL_FAILURE(CheckBrokenLine(ExpandTabs(line), pieces, static_cast<std::size_t>(columns)));
            start = end + 2;
        }
        ASSERT_EQ(next, printed.size());
    });
}

// A field's text read whole by strtod, white space after it aside, as a finite
// number ("inf", "nan" and "1e400" are refused).
bool IsWholeNumberText(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(value)) return false;
    for (; *end != '\0'; ++end)
        if (!std::isspace(static_cast<unsigned char>(*end))) return false;
    return true;
}

TEST(CalculatorProperty, EveryCalculatorReportsEveryStoreInItsLayout) {
    std::vector<const Calculator*> calculators;
    // A calculator whose dialog needs something first (the set-out on the line needs
    // a line read; its report names the line's elements, which no layout of labels
    // describes) is left to its own tests.
    for (const MenuCommand* command : CalculatorCommands())
        if (command->needs == nullptr) calculators.push_back(command->calculator);
    ASSERT_GE(calculators.size(), 6u);
    ForEachInput(6, 12000, [&](RandomInput& in) {
        // A short session: a few CALCs on one store, so values that one calculator
        // computes and stores are the inputs of the next.
        CalculationStore store;
        for (int calc = in.Below(4); calc >= 0; --calc) {
            if (in.Percent(20)) { // the Options dialog, with any texts typed into it
                ApplyPrecisionOptions(in.NumberText(in.Below(12) - 2).c_str(),
                                      in.NumberText(in.Mixed()).c_str());
                ASSERT_TRUE(LinearDecimals >= MinLinearDecimals && LinearDecimals <= MaxLinearDecimals);
                ASSERT_TRUE(AngleDecimals >= MinAngleDecimals && AngleDecimals <= MaxAngleDecimals);
            }
            const Calculator& calculator = *calculators[in.Below(static_cast<int>(calculators.size()))];
            std::map<int, std::string> typed;
            for (const CalculatorField& field : calculator.fields)
                typed[field.controlId] = field.isName || in.Percent(3) ? in.Bytes(in.Length(2047), false)
                                                                       : in.NumberText(in.Mixed());
            const CalculationStore before = store;
            RefusedField refused;
            const std::string input = StoreFieldsAndBuildInputPiece(
                calculator, store, [&](int controlId) { return typed[controlId]; }, &refused);
            // CALC stops at the first numeric field whose text, white space around it
            // aside, the standard conversion does not read whole as a finite number;
            // nothing is stored, and the box that says so is one line.
            int firstNotNumber = 0;
            for (const CalculatorField& field : calculator.fields)
                if (!field.isName && firstNotNumber == 0 && !IsWholeNumberText(typed[field.controlId]))
                    firstNotNumber = field.controlId;
            ASSERT_EQ(refused.controlId, firstNotNumber);
            if (firstNotNumber != 0) {
                ASSERT_EQ(refused.text, typed[firstNotNumber]);
                ASSERT_TRUE(IsSoundText(RefusedFieldMessage("label", refused.text)));
                ASSERT_EQ(input, "");
                ASSERT_EQ(std::memcmp(store.values, before.values, sizeof store.values), 0);
                ASSERT_EQ(store.pzName, before.pzName);
                ASSERT_EQ(store.rpName, before.rpName);
                continue;
            }
            // Every number stored is what the standard conversion gives for the text.
            for (const CalculatorField& field : calculator.fields)
                if (!field.isName) {
                    const double parsed = ParseNumber(typed[field.controlId].c_str());
                    ASSERT_EQ(std::memcmp(&store[field.value], &parsed, sizeof parsed), 0) << typed[field.controlId];
                    ASSERT_TRUE(std::isfinite(parsed)) << typed[field.controlId];
                }
            // The input piece: title, each label with the text as typed, in table order.
            ASSERT_TRUE(input.starts_with("\r\n" + std::string(calculator.reportTitle) + "\r\n")) << input;
            ASSERT_TRUE(input.ends_with("\r\n"));
            std::size_t at = 0;
            for (const CalculatorField& field : calculator.fields) {
                std::string item =
                    (field.startsLine ? "\r\n" : "") + (field.reportLabel + typed[field.controlId]);
                at = input.find(item, at);
                ASSERT_NE(at, std::string::npos) << "missing " << item;
                at += item.size();
            }
            const CalculationOutput out = calculator.compute(store);
            ASSERT_FALSE(out.resultPieces.empty());
            for (const std::string& piece : out.resultPieces)
                ASSERT_TRUE(IsResultPiece(MarkPointNames(piece, store.Name(StoredName::PZ))))
                    << calculator.reportTitle;
            for (const auto& [id, text] : out.resultFields)
                ASSERT_TRUE(IsFixedText(text, LinearDecimals)) << text << " in field " << id;
            // What the fields show at the next opening, computed values included.
            for (const CalculatorField& field : calculator.fields)
                if (!field.isName) {
                    ASSERT_TRUE(IsFixedText(FieldOpeningText(field, store), LinearDecimals));
                }
        }
        LinearDecimals = DefaultLinearDecimals;
        AngleDecimals = DefaultAngleDecimals;
    });
}

// The profile reader fed designed profiles, whole (always read) or damaged: a field
// replaced by any number text or bytes, a line dropped, doubled or moved, a line of
// junk. Whatever it is fed, it reports the profile or refuses it in one line, and a
// profile read has its curves within it and a finite level at every picket of it.
TEST(ProfileReaderProperty, AnyTableIsReadWithinItsBoundsOrRefusedInOneLine) {
    const std::string title = "\r\nProfile of the line\r\n";
    ForEachInput(10, 1500, [&](RandomInput& in) {
        std::vector<std::string> texts = GeneratedProfile(in);
        const bool damaged = in.Percent(70);
        for (int k = damaged ? 1 + in.Below(3) : 0; k > 0; --k) {
            std::string& line = texts[in.Below(static_cast<int>(texts.size()))];
            switch (in.Below(5)) {
            case 0: { // one field replaced
                std::vector<std::string> fields;
                for (std::size_t at = 0, end; at <= line.size(); at = end + 1)
                    fields.push_back(line.substr(at, (end = std::min(line.find(' ', at), line.size())) - at));
                fields[in.Below(static_cast<int>(fields.size()))] =
                    in.Percent(80) ? in.NumberText(in.Percent(50) ? in.Extreme() : in.Mixed())
                                   : in.Bytes(in.Length(200), false);
                line.clear();
                for (const std::string& field : fields)
                    line += (line.empty() ? "" : " ") + field;
                break;
            }
            case 1:
                texts.erase(texts.begin() + in.Below(static_cast<int>(texts.size())));
                break;
            case 2:
                texts.push_back(line);
                break;
            case 3:
                std::swap(line, texts[in.Below(static_cast<int>(texts.size()))]);
                break;
            default:
                line = in.Bytes(in.Length(300), false);
                break;
            }
            if (texts.empty()) texts.push_back(in.Bytes(in.Length(20), false));
        }
        std::vector<TextLine> lines;
        int number = 1 + in.Below(1000);
        for (const std::string& text : texts)
            lines.push_back({number++, text});
        const RouteProfile read = ReadRouteProfile(lines);
        ASSERT_TRUE(read.report.starts_with(title)) << read.report;
        if (!read.profile) {
            ASSERT_TRUE(damaged) << read.report;
            const std::string rest = read.report.substr(title.size());
            ASSERT_TRUE(rest.starts_with("!Profile not read: ") && rest.ends_with("!\r\n")) << rest;
            ASSERT_EQ(rest.find("\r\n"), rest.size() - 2) << rest;
            return;
        }
        const VerticalProfile& profile = *read.profile;
        ASSERT_TRUE(
            read.report.ends_with("Length=" + LinearText(profile.end.PK - profile.start.PK) + "\r\n"));
        double last = profile.start.PK;
        for (const ProfilePvi& p : profile.pvis) {
            ASSERT_GT(p.at.PK, last);
            ASSERT_TRUE(std::isfinite(p.Hc) && p.NVK.PK >= last && p.KVK.PK <= profile.end.PK) << p.name;
            last = p.KVK.PK;
        }
        for (int k = 0; k < 20; ++k) {
            const double t = in.Uniform(0, 1), PK = (1 - t) * profile.start.PK + t * profile.end.PK;
            const std::optional<double> H = DesignLevel(profile, PK);
            ASSERT_TRUE(H && std::isfinite(*H)) << PK;
        }
        ASSERT_FALSE(DesignLevel(profile, std::nextafter(profile.end.PK, INFINITY)).has_value());
    });
}

// ---- The whole route ----

// A number of an IP table as a surveyor's file may hold it, now and then an extreme
// or a broken one.
std::string TableNumber(RandomInput& in, double v) {
    if (in.Percent(97)) return " " + std::string(TrimBlanks(FormatNumber(v)));
    return " " + in.NumberText(in.Percent(50) ? in.Extreme() : in.Mixed());
}

// A route that can be built: 0 to 12 IPs on a national grid turning either way, R
// 300 to 3000, L 0 to 150, each straight long enough for its curves.
std::vector<std::string> BuildableTable(RandomInput& in, bool intact) {
    const int n = in.Percent(10) ? 0 : 1 + in.Below(12);
    double Y = in.Uniform(4e5, 6e5), X = in.Uniform(5e6, 6e6), direction = in.Uniform(0, 6.28);
    const auto number = [&](double v) {
        return intact ? " " + std::string(FormatNumber(v)) : TableNumber(in, v);
    };
    std::vector<std::string> lines = {"START" + number(in.Uniform(0, 1e5)) + number(Y) + number(X)};
    double previousT = 0;
    for (int i = 0; i <= n; ++i) {
        const double turn = (in.Percent(50) ? 1 : -1) * in.Uniform(0.05, 2.0), R = in.Uniform(300, 3000);
        const double L = in.Percent(20) ? 0 : std::min(in.Uniform(0, 150), 0.9 * R * std::abs(turn));
        const double T = i < n ? R * std::tan(std::abs(turn) / 2) + L : 0;
        const double leg = previousT + T + in.Uniform(1, 800);
        Y += leg * std::sin(direction), X += leg * std::cos(direction);
        if (i == n) break;
        lines.push_back("IP V" + std::to_string(i) + number(Y) + number(X) + number(R) + number(L));
        direction += turn, previousT = T;
    }
    lines.push_back("END" + number(Y) + number(X));
    return lines;
}

// A table as a hostile user may type it: lines of the three words (in any case) and
// of others, with any fields, in any order, or a buildable table with lines lost,
// doubled or swapped.
std::vector<std::string> HostileTable(RandomInput& in) {
    std::vector<std::string> lines;
    if (in.Percent(50)) {
        lines = BuildableTable(in, false);
        for (int k = in.Below(3); k > 0 && !lines.empty(); --k) {
            const std::size_t at = static_cast<std::size_t>(in.Below(static_cast<int>(lines.size())));
            if (in.Percent(40))
                lines.erase(lines.begin() + static_cast<long>(at));
            else if (in.Percent(50))
                lines.insert(lines.begin() + static_cast<long>(at), lines[at]);
            else
                std::swap(lines[at],
                          lines[static_cast<std::size_t>(in.Below(static_cast<int>(lines.size())))]);
        }
        return lines;
    }
    static const char* const words[] = {"START", "start", "IP", "Ip", "END", "eNd", "x", ""};
    for (int k = in.Below(8); k >= 0; --k) {
        std::string line = words[in.Below(8)];
        if (in.Percent(20)) line += " V" + std::to_string(in.Below(3));
        for (int f = in.Below(7); f > 0; --f)
            line += TableNumber(in, in.Mixed());
        lines.push_back(in.Percent(5) ? in.Bytes(in.Length(80), false) : line);
    }
    return lines;
}

// A route is read whole or refused whole. A route read has its main points' pickets
// finite and in route order; one refused reports only its reason.
::testing::AssertionResult ReadWholeOrRefused(const RouteElements& read) {
    const std::string title = "\r\nElements of the line\r\n";
    if (!read.line) {
        const std::string refused = title + "!Line not read: ";
        if (read.report.starts_with(refused) && read.report.ends_with("!\r\n") &&
            read.report.size() > refused.size() + 3 &&
            read.report.find("\r\n", refused.size()) == read.report.size() - 2)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "a refusal that is not one line: " << read.report;
    }
    const Alignment& route = *read.line;
    std::vector<double> pickets = {route.start.PK};
    for (const AlignmentElement& e : route.elements)
        pickets.insert(pickets.end(), {e.drawFrom, e.drawTo});
    pickets.push_back(route.end.PK);
    for (std::size_t k = 0; k < pickets.size(); ++k)
        if (!std::isfinite(pickets[k]) || (k > 0 && pickets[k] < pickets[k - 1]))
            return ::testing::AssertionFailure() << "picket " << k << " out of order: " << read.report;
    if (!read.report.starts_with(title) || read.report.find("!Line not read") != std::string::npos)
        return ::testing::AssertionFailure() << "a route read with a refusal: " << read.report;
    return ::testing::AssertionSuccess();
}

// Any table is read whole or refused whole; on a route read, points set out at any
// picket and offset and traced back among hostile point lines come back with their
// picket and offset (a buildable route's, away from the hair of the spiral series at
// KSK, to 1e-6; or on a part of the route that crosses as near), every point line
// gets one report line, and the counts add up.
TEST(RouteProperty, AnyTableIsReadWholeOrRefusedAndItsPointsTraceBack) {
    ForEachInput(9, 1500, [](RandomInput& in) {
        const bool buildable = in.Percent(50);
        std::string table;
        for (const std::string& line : buildable ? BuildableTable(in, true) : HostileTable(in))
            table += line + "\r\n";
        const RouteElements read = ReadRouteElements(SelectedLines(table, 0, table.size()));
        ASSERT_TRUE(ReadWholeOrRefused(read)) << table;
        ASSERT_TRUE(read.line.has_value() || !buildable) << read.report << table;
        if (!read.line) return;
        const Alignment& route = *read.line;
        LinearDecimals = MaxLinearDecimals;

        // Points set out, each followed by a hostile point line now and then.
        std::string points;
        std::vector<std::pair<double, double>> setOut; // picket and offset of P0, P1, ...
        int lines = 0;
        for (int k = 0; k < 20; ++k) {
            const double PK = in.Percent(90) ? in.Uniform(route.start.PK, route.end.PK) : in.Mixed();
            const double d = in.Percent(90) ? in.Uniform(-20, 20) : in.Mixed();
            const std::vector<LineSetOut> places = SetOutOnAlignment(route, PK, d);
            const LineSetOut point =
                places.empty() ? LineSetOut{SetOutOutcome::PicketOutside, 0, 0, 0} : places.front();
            const bool before =
                PK<route.start.PK - LengthTolerance, beyond = PK> route.end.PK + LengthTolerance;
            if (before || beyond || std::isnan(PK)) {
                ASSERT_EQ(point.outcome, SetOutOutcome::PicketOutside) << PK;
            }
            if (point.outcome != SetOutOutcome::SetOut) continue;
            if (AbsValue(d) <= 1e6) {
                ASSERT_TRUE(std::isfinite(point.Y) && std::isfinite(point.X)) << PK << " " << d << "\n"
                                                                              << table;
            }
            bool nearKsk = false;
            for (const AlignmentElement& e : route.elements)
                nearKsk = nearKsk || (e.kind == AlignmentElementKind::Arc &&
                                      (AbsValue(PK - e.drawFrom) < 0.05 || AbsValue(PK - e.drawTo) < 0.05));
            const bool checked = buildable && !nearKsk && AbsValue(d) <= 20;
            points += "P" + std::to_string(setOut.size()) + " " + FormatNumber(point.Y) + " " +
                      FormatNumber(point.X) + "\r\n";
            setOut.push_back({PK, checked ? d : std::nan("")});
            // A point beyond any ground is refused as its line is read.
            if (AbsValue(point.Y) <= FarthestCoordinate && AbsValue(point.X) <= FarthestCoordinate) ++lines;
            if (in.Percent(30)) {
                points += in.Percent(50) ? "Q " + in.NumberText(in.Mixed()) + " " + in.NumberText(in.Mixed())
                                         : in.Bytes(in.Length(120), false);
                points += "\r\n";
            }
        }
        const std::string report = TracePointsOnRoute(route, SelectedLines(points, 0, points.size())).report;
        LinearDecimals = DefaultLinearDecimals;

        // One report line per point line, then the counts of them all.
        int traced = -1, outside = -1, skipped = -1, reported = 0;
        const std::size_t title = report.find("\r\n", 2) + 2;
        for (std::size_t at = title, end; (end = report.find("\r\n", at)) != std::string::npos;
             at = end + 2) {
            const std::string line = report.substr(at, end - at);
            if (std::sscanf(line.c_str(), "Points: %d traced, %d outside, %d skipped", &traced, &outside,
                            &skipped) == 3)
                break;
            ++reported;
            std::size_t k = 0;
            double PK = 0, d = 0;
            if (std::sscanf(line.c_str(), "P%zu PK=%lf d=%lf", &k, &PK, &d) != 3 || k >= setOut.size() ||
                std::isnan(setOut[k].second))
                continue;
            // A route may cross itself: a part of it as near as the one set out on
            // may trace the point instead.
            if (AbsValue(PK - setOut[k].first) > 1e-6) {
                ASSERT_LE(AbsValue(d), AbsValue(setOut[k].second) + 1e-6) << line << "\n" << table;
                continue;
            }
            ASSERT_NEAR(d, setOut[k].second, 1e-6) << line << "\n" << table;
        }
        const std::vector<TextLine> pointLines = SelectedLines(points, 0, points.size());
        const auto blank = std::count_if(pointLines.begin(), pointLines.end(),
                                         [](const TextLine& l) { return IsBlankLine(l.text); });
        ASSERT_EQ(traced + outside + skipped, static_cast<int>(pointLines.size() - blank)) << report;
        ASSERT_EQ(reported, traced + outside + skipped) << report;
        ASSERT_GE(traced + outside, lines) << report;
    });
}

// ---- Hostile inputs: never a silent wrong number ----

// The texts the faults were found with, and more of their kind: values no track can
// have (a radius of 1e-10, a spiral of 1e-15, a cant of 1e308, a point at 1e200),
// non-finite and overflowing texts, a decimal comma and a letter, control bytes.
std::string HostileNumberText(RandomInput& in) {
    static const char* const texts[] = {
        "1e-10", "1e-15", "1e308", "1e306", "1e200", "-1e200", "2e9",      "inf",       "-inf",   "nan",
        "1e400", "-1e400", "0",    "-0",    "1e-300", "188,498", "18B.498", "\x01" "5", "5\r",    "5\x1A",
        "\x7F",  "\r\n5",  "5\n"};
    if (in.Percent(75)) return texts[in.Below(sizeof texts / sizeof texts[0])];
    return in.NumberText(in.Percent(50) ? in.Extreme() : in.Mixed());
}

// The line's fields (after the first word) replaced, now and then, by hostile texts.
void DamageFields(RandomInput& in, std::vector<std::string>& lines, int times) {
    for (int k = 0; k < times && !lines.empty(); ++k) {
        std::string& line = lines[in.Below(static_cast<int>(lines.size()))];
        std::vector<std::string> fields;
        for (std::size_t at = 0, end; at <= line.size(); at = end + 1)
            fields.push_back(line.substr(at, (end = std::min(line.find(' ', at), line.size())) - at));
        if (fields.size() < 2) continue;
        fields[1 + in.Below(static_cast<int>(fields.size()) - 1)] = HostileNumberText(in);
        line.clear();
        for (const std::string& field : fields)
            line += (line.empty() ? "" : " ") + field;
    }
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// A line with cant, its profile, a survey with levels and a set-out run typed into
// the dialog, each fed the hostile texts: every table is read or refused in one
// line, and no report, note or refusal holds a number written as NAN or INF or a
// control byte; a level that cannot be read gives a note and no level.
TEST(HostileInputProperty, NoReportHoldsANonFiniteNumberOrAControlByte) {
    ForEachInput(11, 800, [](RandomInput& in) {
        std::vector<std::string> table = BuildableTable(in, true);
        for (std::string& line : table)
            if (line.starts_with("IP") && in.Percent(60)) line += " " + std::string(TrimBlanks(FormatNumber(in.Uniform(0, 180))));
        DamageFields(in, table, in.Below(3));
        const std::string tableText = Joined(table);
        const RouteElements read = ReadRouteElements(SelectedLines(tableText, 0, tableText.size()));
        ASSERT_TRUE(IsSoundText(read.report)) << tableText;
        ASSERT_TRUE(ReadWholeOrRefused(read)) << tableText;
        if (!read.line) return;
        const Alignment& route = *read.line;

        std::vector<std::string> profileLines = GeneratedProfile(in, route.start.PK, route.end.PK);
        DamageFields(in, profileLines, in.Below(2));
        const std::string profileText = Joined(profileLines);
        const RouteProfile profile = ReadRouteProfile(SelectedLines(profileText, 0, profileText.size()));
        ASSERT_TRUE(IsSoundText(profile.report)) << profileText;

        // Points set out on the line, their levels near the design's, then damaged.
        std::vector<std::string> points;
        for (int k = 0; k < 12; ++k) {
            const double PK = in.Uniform(route.start.PK, route.end.PK);
            const std::vector<LineSetOut> places = SetOutOnAlignment(route, PK, in.Uniform(-5, 5));
            if (places.empty() || places[0].outcome != SetOutOutcome::SetOut) continue;
            const LineSetOut& at = places[0];
            const std::optional<double> H = profile.profile ? DesignLevel(*profile.profile, PK) : std::nullopt;
            std::string name = in.Percent(10) ? "P\x01" + std::to_string(k) : "P" + std::to_string(k);
            points.push_back(name + " " + FormatNumber(at.Y) + " " + FormatNumber(at.X) +
                             (in.Percent(70) ? " " + std::string(FormatNumber(H.value_or(100) + in.Uniform(-0.05, 0.05)))
                                            : ""));
        }
        DamageFields(in, points, in.Below(4));
        const std::string pointText = Joined(points);
        const std::vector<TextLine> pointLines = SelectedLines(pointText, 0, pointText.size());
        const std::string report =
            TracePointsOnRoute(route, pointLines, profile.profile ? &*profile.profile : nullptr).report;
        ASSERT_TRUE(IsSoundText(report)) << pointText;
        for (const TextLine& line : pointLines) {
            const PointLine point = ReadPointLine(line.text, line.number);
            ASSERT_TRUE(IsSoundText(point.name + point.whyUnreadable + point.levelNote));
            // A level that cannot be read leaves the point without one, traced in plan.
            if (!point.levelNote.empty()) {
                ASSERT_FALSE(point.level.has_value());
            }
        }

        // A run set out through the dialog's fields, any of them hostile.
        TheLineSession().SetLine(route);
        if (profile.profile) TheLineSession().SetProfile(*profile.profile);
        const double from = in.Uniform(route.start.PK, route.end.PK);
        const std::map<int, std::string> typed = {
            {IDC_PZ_NAME, in.Percent(30) ? "" : "A"},
            {IDC_PK_SO, in.Percent(20) ? HostileNumberText(in) : std::string(FormatNumber(from))},
            {IDC_D_SO, in.Percent(20) ? HostileNumberText(in) : std::string(FormatNumber(in.Uniform(-20, 20)))},
            {IDC_PK_TO, std::string(FormatNumber(std::min(from + in.Uniform(0, 300), route.end.PK)))},
            {IDC_STEP, in.Percent(20) ? HostileNumberText(in) : std::string(FormatNumber(in.Uniform(10, 100)))},
            {IDC_WITH_MAIN_POINTS, in.Percent(50) ? "1" : "0"}};
        CalculationStore store;
        RefusedField refused;
        const std::string input = StoreFieldsAndBuildInputPiece(
            RouteSetOutCalculator, store, [&](int id) { return typed.at(id); }, &refused);
        if (refused.controlId != 0) {
            ASSERT_TRUE(IsSoundText(RefusedFieldMessage("d_so", refused.text)));
        } else {
            for (const std::string& piece : RouteSetOutCalculator.compute(store).resultPieces) {
                ASSERT_TRUE(IsSoundText(piece)) << input;
                // A run of a blank name is named 1, 2, ...: never "-1", which reads as a number.
                ASSERT_EQ(piece.find("\r\n-1   PK="), std::string::npos) << piece;
            }
        }
        TheLineSession().Clear();
    });
}

// A check of generated points on a straight line north with a flat profile: offsets,
// levels and measured cants, some equal, and a TOL line of any of the three. Each
// summary line agrees with the point lines: n, the least and the greatest value
// with their points, over= the points flagged for it, and min <= mean <= max,
// rms >= |mean| as printed.
TEST(TrackCheckProperty, SummaryAgreesWithThePointLines) {
    ForEachInput(10, 400, [](RandomInput& in) {
        static const Alignment line = [] {
            const std::string table = "START 0 0 0\r\nEND 0 1000\r\n";
            return *ReadRouteElements(SelectedLines(table, 0, table.size())).line;
        }();
        static const VerticalProfile profile = [] {
            const std::string table = "PSTART 0 100\r\nPEND 1000 100\r\n";
            return *ReadRouteProfile(SelectedLines(table, 0, table.size())).profile;
        }();
        LinearDecimals = MaxLinearDecimals;
        std::string text = "TOL";
        const char* labels[] = {"d", "dH", "dh"};
        const double scale[] = {0.05, 0.03, 10};
        bool tolerance[3];
        for (int q = 0; q < 3; ++q)
            if ((tolerance[q] = in.Percent(60))) text += std::string(" ") + labels[q] + "=" + std::to_string(in.Uniform(0, scale[q]));
        text += "\r\n";
        const int n = 1 + in.Below(60);
        const double repeated = in.Uniform(-0.05, 0.05);
        for (int k = 0; k < n; ++k) {
            const double d = in.Percent(20) ? repeated : in.Uniform(-scale[0], scale[0]);
            text += "T" + std::to_string(k) + " " + std::string(FormatNumber(d)) + " " + std::to_string(1 + k * 15) + " ";
            text += in.Percent(60) ? std::string(FormatNumber(100 + in.Uniform(-scale[1], scale[1]))) : std::string("-");
            if (in.Percent(60)) text += " " + std::string(FormatNumber(in.Percent(20) ? 2.5 : in.Uniform(-scale[2], scale[2])));
            text += "\r\n";
        }
        const std::string report = TracePointsOnRoute(line, SelectedLines(text, 0, text.size()), &profile).report;
        LinearDecimals = DefaultLinearDecimals;

        struct Seen {
            int n = 0, over = 0;
            double min = INFINITY, max = -INFINITY;
        } seen[3];
        std::map<std::string, double> values[3];
        const char* keys[] = {"   d=", "   dH=", "   dh="};
        int summaries = 0;
        for (std::size_t at = 0, end; (end = report.find("\r\n", at)) != std::string::npos; at = end + 2) {
            const std::string pointLine = report.substr(at, end - at);
            if (pointLine.empty() || pointLine[0] != 'T' || pointLine.starts_with("Trace")) {
                for (int q = 0; q < 3; ++q) {
                    if (!pointLine.starts_with(std::string(labels[q]) + ": ")) continue;
                    ++summaries;
                    int count = 0, over = -1;
                    double min = 0, max = 0, mean = 0, rms = 0;
                    char minName[32] = "", maxName[32] = "";
                    const int read = std::sscanf(pointLine.c_str() + std::strlen(labels[q]) + 2,
                                                 "n=%d min=%lf (%31[^)]) max=%lf (%31[^)]) mean=%lf rms=%lf over=%d",
                                                 &count, &min, minName, &max, maxName, &mean, &rms, &over);
                    ASSERT_EQ(read, tolerance[q] ? 8 : 7) << pointLine << "\n" << report;
                    ASSERT_EQ(count, seen[q].n) << pointLine;
                    ASSERT_EQ(min, seen[q].min) << pointLine;
                    ASSERT_EQ(max, seen[q].max) << pointLine;
                    ASSERT_EQ(values[q][minName], min) << pointLine;
                    ASSERT_EQ(values[q][maxName], max) << pointLine;
                    ASSERT_TRUE(min <= mean && mean <= max) << pointLine;
                    ASSERT_GE(rms, std::fabs(mean)) << pointLine;
                    if (tolerance[q]) {
                        ASSERT_EQ(over, seen[q].over) << pointLine << "\n" << report;
                    }
                }
                continue;
            }
            const std::string name = pointLine.substr(0, pointLine.find(' '));
            const std::size_t flag = pointLine.find("!over: ");
            const std::string flags = flag == std::string::npos ? "" : pointLine.substr(flag + 7);
            for (int q = 0; q < 3; ++q) {
                const std::size_t key = pointLine.find(keys[q]);
                if (key == std::string::npos) continue;
                const double value = std::strtod(pointLine.c_str() + key + std::strlen(keys[q]), nullptr);
                Seen& s = seen[q];
                ++s.n;
                s.min = std::min(s.min, value), s.max = std::max(s.max, value);
                values[q][name] = value;
                const std::string word = std::string(labels[q]);
                if ((" " + flags.substr(0, flags.size() - (flags.empty() ? 0 : 1)) + " ").find(" " + word + " ") !=
                    std::string::npos)
                    ++s.over;
            }
        }
        ASSERT_EQ(summaries, 1 + (seen[1].n > 0) + (seen[2].n > 0)) << report;
    });
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; i += 2) {
        const std::string flag = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (value != nullptr && flag == "--seed")
            Settings.seed = std::strtoull(value, nullptr, 10);
        else if (value != nullptr && flag == "--count")
            Settings.count = std::atol(value);
        else if (value != nullptr && flag == "--from")
            Settings.from = std::atol(value);
        else if (value != nullptr && flag == "--seconds")
            Settings.seconds = std::atof(value);
        else {
            std::fprintf(stderr, "usage: %s [--seed S] [--count N | --seconds T] [--from I] [gtest flags]\n",
                         argv[0]);
            return 2;
        }
    }
    return RUN_ALL_TESTS();
}
