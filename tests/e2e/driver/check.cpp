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

void CheckSoundReport(const std::string& appended, const std::string& what) {
    for (size_t i = 0; i < appended.size(); ++i) {
        const auto c = static_cast<unsigned char>(appended[i]);
        if (c == '\r' && i + 1 < appended.size() && appended[i + 1] == '\n') {
            ++i;
            continue;
        }
        Check(c >= 0x20 && c != 0x7F,
              what + ": a control byte in: " + Visible(appended.substr(i > 40 ? i - 40 : 0, 80)));
    }
    for (const char* word : {"=NAN", "=INF", "=-INF"})
        Check(appended.find(word) == std::string::npos, what + ": a number written " + word + " in: " + Visible(appended));
}
