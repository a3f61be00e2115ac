#include "editor/text_search.h"

#include <algorithm>
#include <functional>

namespace {

// The ANSI code page's case folding as the search uses it: A-Z to a-z, nothing else.
char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

struct FoldedEqual {
    bool operator()(char a, char b) const { return FoldCase(a) == FoldCase(b); }
};

struct FoldedHash {
    std::size_t operator()(char c) const { return static_cast<unsigned char>(FoldCase(c)); }
};

bool WordBoundedAt(std::string_view text, std::size_t at, std::size_t length) {
    const bool before = at > 0 && IsWordCharacter(text[at - 1]);
    const bool after = at + length < text.size() && IsWordCharacter(text[at + length]);
    return !before && !after;
}

// Finds the first occurrence of `what` starting at a position or later, letters
// folded or not; made once for a search that may look many times.
class ForwardFinder {
  public:
    ForwardFinder(std::string_view text, std::string_view what, bool matchCase)
        : text_(text), what_(what), matchCase_(matchCase),
          searcher_(what.begin(), what.end(), FoldedHash{}, FoldedEqual{}) {}

    std::size_t From(std::size_t from) const {
        if (from > text_.size()) return NoMatch;
        if (matchCase_) return text_.find(what_, from);
        const auto found = std::search(text_.begin() + static_cast<std::ptrdiff_t>(from), text_.end(), searcher_);
        return found == text_.end() ? NoMatch : static_cast<std::size_t>(found - text_.begin());
    }

  private:
    std::string_view text_, what_;
    bool matchCase_;
    std::boyer_moore_horspool_searcher<std::string_view::const_iterator, FoldedHash, FoldedEqual> searcher_;
};

// The last occurrence of `what` that ends at `end` or earlier.
std::size_t FindBackward(std::string_view text, std::string_view what, std::size_t end, bool matchCase) {
    const std::string_view region = text.substr(0, std::min(end, text.size()));
    if (matchCase) return region.rfind(what);
    const auto found = std::find_end(region.begin(), region.end(), what.begin(), what.end(), FoldedEqual{});
    return found == region.end() ? NoMatch : static_cast<std::size_t>(found - region.begin());
}

} // namespace

bool IsWordCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_' || u >= 128;
}

bool MatchesAt(std::string_view text, std::string_view what, std::size_t at, const SearchOptions& options) {
    if (what.empty() || at > text.size() || text.size() - at < what.size()) return false;
    const std::string_view here = text.substr(at, what.size());
    const bool same = options.matchCase ? here == what
                                        : std::equal(here.begin(), here.end(), what.begin(), FoldedEqual{});
    return same && (!options.wholeWord || WordBoundedAt(text, at, what.size()));
}

std::size_t FindInText(std::string_view text, std::string_view what, std::size_t from,
                       const SearchOptions& options) {
    if (what.empty()) return NoMatch;
    from = std::min(from, text.size());
    if (options.down) {
        const ForwardFinder finder(text, what, options.matchCase);
        for (std::size_t at = finder.From(from); at != NoMatch; at = finder.From(at + 1))
            if (!options.wholeWord || WordBoundedAt(text, at, what.size())) return at;
        return NoMatch;
    }
    for (std::size_t end = from;;) {
        const std::size_t at = FindBackward(text, what, end, options.matchCase);
        if (at == NoMatch) return NoMatch;
        if (!options.wholeWord || WordBoundedAt(text, at, what.size())) return at;
        end = at + what.size() - 1; // the next candidate starts before this one
    }
}

std::size_t FindWrappingAround(std::string_view text, std::string_view what, std::size_t from,
                               const SearchOptions& options) {
    const std::size_t found = FindInText(text, what, from, options);
    return found != NoMatch ? found : FindInText(text, what, options.down ? 0 : text.size(), options);
}

ReplaceAllChange ReplaceAllInText(std::string_view text, std::string_view what, std::string_view with,
                                  const SearchOptions& options) {
    ReplaceAllChange change;
    if (what.empty()) return change;
    const ForwardFinder finder(text, what, options.matchCase);
    // The next match at or after `from`, whole words only when asked.
    const auto next = [&](std::size_t from) {
        std::size_t at = finder.From(from);
        while (at != NoMatch && options.wholeWord && !WordBoundedAt(text, at, what.size())) at = finder.From(at + 1);
        return at;
    };
    std::size_t at = next(0);
    if (at == NoMatch) return change;
    change.start = at;
    std::size_t copied = at; // the old text before this point is in the replacement
    for (; at != NoMatch; at = next(at + what.size())) {
        change.replacement.append(text.substr(copied, at - copied));
        change.replacement.append(with);
        copied = at + what.size();
        ++change.count;
    }
    change.end = copied;
    return change;
}

std::string CannotFindText(std::string_view what) {
    std::string message = "Cannot find \"";
    message.append(what);
    message += '"';
    return message;
}
