// The printed field book as pages of printed lines: the text's lines, tabs expanded,
// cut into printed lines no wider than the page, and those lines shared out among
// pages; and the header line each page begins with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline constexpr int PrintTabWidth = 8;

using PrintedPage = std::vector<std::string>;

// One line of the text with every tab replaced by blanks up to the next multiple of
// PrintTabWidth columns (columns counted from 0 at the line's start).
std::string ExpandTabs(std::string_view line);

// A line too wide for the page continues on the next printed lines, each indented by
// this many blanks so that it reads as one (none on pages of 2 * ContinuationIndent
// columns or fewer).
inline constexpr int ContinuationIndent = 4;

// The printed lines of the text: its lines (each ended by CR LF; a final CR LF starts
// no further line) with tabs expanded. A line wider than `columns` is broken at the
// last blank that leaves a piece within them (the blanks at a break are not printed)
// and continued, indented, on the next printed lines; only a word too long for the
// printed line it starts on is cut, where that line ends. An empty line prints as
// one empty line, and so do leading blanks as wide as the page.
// Any other byte, control characters too, takes one column and is no blank. columns
// below 1 count as 1.
std::vector<std::string> PrintedLines(std::string_view text, int columns);

// The printed lines shared out in order, linesPerPage to a page (below 1 counts as 1),
// the last page holding the rest. At least one page: an empty text gives one empty page.
std::vector<PrintedPage> PaginateText(std::string_view text, int columns, int linesPerPage);

// The name a printed page shows for the document: the file's name without its
// folder, or "Untitled" when the document has no file.
std::string PrintedDocumentName(std::string_view filePath);

// The header line of page `page` of `pages`: the name at the left, "Page n of m" at
// the right end of `columns` columns, at least one blank between them. A name too
// long for the line is cut and ends in "..."; the line is never wider than columns
// (when even "Page n of m" does not fit, it is cut at the right).
std::string PageHeader(std::string_view name, int page, int pages, int columns);
