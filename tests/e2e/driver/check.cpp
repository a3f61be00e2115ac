#include "driver/check.h"

#include <algorithm>
#include <cstdio>

void Fail(const std::string& what) {
    throw ScenarioFailure(what);
}

void Check(bool condition, const std::string& what) {
    if (!condition) Fail(what);
}

std::string Visible(const std::string& text, size_t limit) {
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (shown.size() >= limit) {
            shown += "...(" + std::to_string(text.size()) + " bytes)";
            break;
        }
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\r') shown += "\\r";
        else if (c == '\n') shown += "\\n";
        else if (c == '\t') shown += "\\t";
        else if (c < 32 || c == 127) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", c);
            shown += code;
        } else shown += static_cast<char>(c);
    }
    return shown;
}

void CheckText(const std::string& actual, const std::string& expected, const std::string& what) {
    if (actual == expected) return;
    const size_t common = std::min(actual.size(), expected.size());
    size_t at = 0;
    while (at < common && actual[at] == expected[at]) ++at;
    const size_t from = at > 40 ? at - 40 : 0;
    Fail(what + ": texts differ at byte " + std::to_string(at) + " (lengths " +
         std::to_string(actual.size()) + " and " + std::to_string(expected.size()) + ")\n      got:      \"" +
         Visible(actual.substr(from), 160) + "\"\n      expected: \"" + Visible(expected.substr(from), 160) +
         "\"");
}
