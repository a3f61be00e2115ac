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
    std::string quoted = "\"" + ShownText(text.substr(0, LongestQuoted));
    if (text.size() > LongestQuoted) quoted += "...";
    return quoted + "\"";
}
