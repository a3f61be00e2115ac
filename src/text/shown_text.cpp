#include "text/shown_text.h"

#include <cstddef>

std::string ShownText(std::string_view text) {
    std::string shown(text);
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return shown;
}

std::string QuotedText(std::string_view text) {
    constexpr std::size_t LongestQuoted = 40;
    // Appended piece by piece: GCC 12 at -O3 wrongly sees an overlapping copy
    // (-Wrestrict) in "\"" + std::string.
    std::string quoted(1, '"');
    quoted += ShownText(text.substr(0, LongestQuoted));
    if (text.size() > LongestQuoted) quoted += "...";
    quoted += '"';
    return quoted;
}
