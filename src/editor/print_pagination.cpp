#include "editor/print_pagination.h"

#include <algorithm>
#include <cstddef>

std::string ExpandTabs(std::string_view line) {
    std::string expanded;
    expanded.reserve(line.size());
    for (char c : line) {
        if (c == '\t')
            expanded.append(PrintTabWidth - expanded.size() % PrintTabWidth, ' ');
        else
            expanded += c;
    }
    return expanded;
}

namespace {
// One line of the text (tabs expanded) as printed lines of at most width columns.
void BreakLine(const std::string& line, std::size_t width, std::vector<std::string>& printed) {
    const std::size_t indent = width > 2 * ContinuationIndent ? ContinuationIndent : 0;
    std::size_t at = 0, room = width;
    auto print = [&](std::size_t length) {
        printed.push_back((at == 0 ? std::string() : std::string(indent, ' ')) + line.substr(at, length));
    };
    while (line.size() - at > room) {
        const std::size_t word = line.find_first_not_of(' ', at);
        if (word == std::string::npos || word >= at + room) { // blanks fill the line
            if (at == 0) printed.emplace_back();
            if (word == std::string::npos) return;
            at = word;
            room = width - indent;
            continue;
        }
        // The last blank at most room characters on (the one just past the margin
        // counts: the piece then fills the line) after a word.
        const std::size_t blank = line.find_last_of(' ', at + room);
        if (blank == std::string::npos || blank < word) { // a word too long for the printed line
            print(room);
            at += room;
        } else {
            print(line.find_last_not_of(' ', blank) + 1 - at);
            at = line.find_first_not_of(' ', blank);
            if (at == std::string::npos) return; // blanks to the end are not printed
        }
        room = width - indent;
    }
    print(std::string::npos);
}
} // namespace

std::vector<std::string> PrintedLines(std::string_view text, int columns) {
    const std::size_t width = static_cast<std::size_t>(std::max(columns, 1));
    std::vector<std::string> printed;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        BreakLine(ExpandTabs(text.substr(start, end - start)), width, printed);
        start = end + 2;
    }
    return printed;
}

std::vector<PrintedPage> PaginateText(std::string_view text, int columns, int linesPerPage) {
    const std::size_t perPage = static_cast<std::size_t>(std::max(linesPerPage, 1));
    std::vector<std::string> lines = PrintedLines(text, columns);
    std::vector<PrintedPage> pages;
    for (std::size_t at = 0; at < lines.size(); at += perPage) {
        const std::size_t end = std::min(lines.size(), at + perPage);
        pages.emplace_back(std::make_move_iterator(lines.begin() + static_cast<std::ptrdiff_t>(at)),
                           std::make_move_iterator(lines.begin() + static_cast<std::ptrdiff_t>(end)));
    }
    if (pages.empty()) pages.emplace_back();
    return pages;
}

std::string PrintedDocumentName(std::string_view filePath) {
    const std::size_t slash = filePath.find_last_of("\\/");
    const std::string_view name = slash == std::string_view::npos ? filePath : filePath.substr(slash + 1);
    return name.empty() ? std::string("Untitled") : std::string(name);
}

std::string PageHeader(std::string_view name, int page, int pages, int columns) {
    const std::size_t width = static_cast<std::size_t>(std::max(columns, 0));
    const std::string pageText = "Page " + std::to_string(page) + " of " + std::to_string(pages);
    if (pageText.size() >= width) return pageText.substr(0, width);
    const std::size_t room = width - pageText.size() - 1; // for the name, one blank kept
    std::string left(name);
    if (left.size() > room) left = room > 3 ? left.substr(0, room - 3) + "..." : std::string();
    return left + std::string(width - left.size() - pageText.size(), ' ') + pageText;
}
