#include "text/selected_lines.h"

#include <algorithm>

namespace {
constexpr std::string_view LineBreak = "\r\n";
} // namespace

std::vector<TextLine> SelectedLines(std::string_view text, std::size_t start, std::size_t end) {
    std::vector<TextLine> lines;
    end = std::min(end, text.size());
    if (start >= end) return lines;

    // The line that holds the first selected character: the one after the last
    // line break that ends before it.
    int number = 1;
    std::size_t lineStart = 0;
    for (std::size_t at = text.find(LineBreak); at != std::string_view::npos && at + 2 <= start;
         at = text.find(LineBreak, at + 2)) {
        ++number;
        lineStart = at + 2;
    }
    while (lineStart < end) {
        std::size_t lineEnd = text.find(LineBreak, lineStart);
        if (lineEnd == std::string_view::npos) lineEnd = text.size();
        lines.push_back({number++, text.substr(lineStart, lineEnd - lineStart)});
        lineStart = lineEnd + LineBreak.size();
    }
    return lines;
}
