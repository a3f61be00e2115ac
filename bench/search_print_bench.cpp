// The speeds of Find Next and Replace All in a 5 MB field book, and the pagination of
// that book for printing: natively on the core's functions, and in the Windows build
// also the editor commands on a real text field (the text read from the field, the
// match selected and scrolled into view; Replace All's one change put back into the
// field). Prints figures (medians); checks only that each step did what it should.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "editor/print_pagination.h"
#include "editor/text_search.h"
#include "field_book_generator.h"

#ifdef _WIN32
#include <windows.h>

#include "bench_editor.h"
#include "editor/win32/editor_search.h"
#endif

namespace {

constexpr std::size_t BookBytes = 5u << 20;
constexpr std::size_t Replacements = 10000;
constexpr int Runs = 5;

// The generated book with "PZ: 9999999" in its last report and exactly Replacements
// occurrences of "PKpz" (the others renamed "PKqz").
std::string BenchBook() {
    std::string book = GenerateFieldBook(BookBytes);
    std::size_t seen = 0;
    for (std::size_t at = book.find("PKpz"); at != std::string::npos; at = book.find("PKpz", at + 4))
        if (++seen > Replacements) book[at + 2] = 'q';
    const std::size_t last = book.rfind("PZ: ");
    book.replace(last, 4, "PZ: 9999999 ");
    return book;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Milliseconds(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double MedianOf(const std::function<void()>& prepare, const std::function<void()>& step) {
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        prepare();
        times.push_back(Milliseconds(step));
    }
    return Median(times);
}

bool Check(bool ok, const char* what) {
    if (!ok) std::printf("CHECK FAILED: %s\n", what);
    return ok;
}

} // namespace

int main() {
    const std::string book = BenchBook();
    const std::size_t target = book.rfind("PZ: 9999999");
    std::printf("Field book: %zu bytes, \"PZ: 9999999\" at byte %zu, %zu occurrences of \"PKpz\"\n", book.size(),
                target, Replacements);
    bool ok = true;
    const SearchOptions anyCase{false, false, true};

    std::size_t found = NoMatch;
    const double findCore = MedianOf([] {}, [&] { found = FindInText(book, "pz: 9999999", 0, anyCase); });
    ok = Check(found == target, "the core finds the match near the end") && ok;
    const double findCoreCase =
        MedianOf([] {}, [&] { found = FindInText(book, "PZ: 9999999", 0, {true, false, true}); });
    ok = Check(found == target, "the core finds the match, case matched") && ok;
    ReplaceAllChange change;
    const double replaceCore =
        MedianOf([] {}, [&] { change = ReplaceAllInText(book, "pkpz", "PK_pz", anyCase); });
    ok = Check(change.count == Replacements, "the core replaces every match") && ok;
    std::vector<PrintedPage> pages;
    const double paginate = MedianOf([] {}, [&] { pages = PaginateText(book, 80, 58); });
    std::printf("Core (median of %d):\n", Runs);
    std::printf("  %-58s %8.1f ms\n", "find near the end, letters of either case", findCore);
    std::printf("  %-58s %8.1f ms\n", "find near the end, case matched", findCoreCase);
    std::printf("  %-58s %8.1f ms\n", "Replace All of 10,000 matches (the new span)", replaceCore);
    std::printf("  %-58s %8.1f ms  (%zu pages)\n", "pagination at 80 columns, 58 lines a page", paginate,
                pages.size());

#ifdef _WIN32
    HWND editor = MakeEditor("search speed");
    const auto load = [&] {
        SetWindowTextA(editor, book.c_str());
        SendMessageA(editor, EM_SETSEL, 0, 0);
        SendMessageA(editor, EM_SCROLLCARET, 0, 0);
        Pump();
    };
    load();
    // The command alone (the text read, searched, the match selected and scrolled to),
    // then the repaint that shows it, which the text field does at its own cost.
    std::vector<double> findCommand, findShown;
    for (int run = 0; run < Runs; ++run) {
        SendMessageA(editor, EM_SETSEL, 0, 0);
        SendMessageA(editor, EM_SCROLLCARET, 0, 0);
        UpdateWindow(editor);
        Pump();
        const auto begin = std::chrono::steady_clock::now();
        ok = Check(FindNextInEditor(editor, "pz: 9999999", anyCase) == 1, "Find Next finds the match") && ok;
        findCommand.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
        UpdateWindow(editor);
        findShown.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
    }
    DWORD start = 0, end = 0;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    ok = Check(start == target && end == target + 11, "Find Next selects the match") && ok;
    std::size_t replaced = 0;
    const double replaceAll = MedianOf(load, [&] {
        replaced = ReplaceAllInEditor(editor, "pkpz", "PK_pz", anyCase);
        UpdateWindow(editor);
    });
    ok = Check(replaced == Replacements, "Replace All replaces every match") && ok;
    ok = Check(static_cast<std::size_t>(GetWindowTextLengthA(editor)) == book.size() + Replacements,
               "the text field holds the replaced text") &&
         ok;
    const double undo = Milliseconds([&] {
        SendMessageA(editor, WM_UNDO, 0, 0);
        UpdateWindow(editor);
    });
    ok = Check(static_cast<std::size_t>(GetWindowTextLengthA(editor)) == book.size(), "one Undo brings it back") &&
         ok;
    std::printf("The editor commands on a text field holding the book (median of %d; wall clock):\n", Runs);
    std::printf("  %-58s %8.1f ms\n", "Find Next to the match near the end (the command)", Median(findCommand));
    std::printf("  %-58s %8.1f ms   (target: well under 200 ms)\n", "the same, shown (the field repainted there)",
                Median(findShown));
    std::printf("  %-58s %8.1f ms   (target: under 2000 ms)\n", "Replace All of 10,000 matches, shown", replaceAll);
    std::printf("  %-58s %8.1f ms\n", "the one Undo of that Replace All", undo);
    DestroyWindow(GetParent(editor));
#endif
    return ok ? 0 : 1;
}
