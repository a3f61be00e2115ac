// The editor's speed with a large field book, beside Wine's notepad showing the
// same file: the load (from the chosen file name to the whole text in the text
// field, caret at the end), the save, and the append of one report at its end.
// Prints figures; checks only that each step did what it should.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "bench_editor.h"
#include "field_book_generator.h"
#include "files/text_file_codec.h"
#include "files/win32/text_file_io.h"
#include "notepad_timing.h"
#include "stopwatch.h"
#include "text/win32/window_text.h"

namespace {

constexpr std::size_t BookBytes = 5u << 20;
constexpr int Runs = 3;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Medians of the wall-clock time and of the processor time.
struct Timing {
    double wallMs, cpuMs;
};

// Runs prepare (not timed) then step (timed) several times; the medians.
Timing Time(const std::function<void()>& prepare, const std::function<void()>& step) {
    std::vector<double> wall, cpu;
    for (int run = 0; run < Runs; ++run) {
        prepare();
        const double cpuBefore = ThreadCpuMilliseconds(GetCurrentThread());
        Stopwatch clock;
        step();
        wall.push_back(clock.Milliseconds());
        cpu.push_back(ThreadCpuMilliseconds(GetCurrentThread()) - cpuBefore);
    }
    return {Median(wall), Median(cpu)};
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Print(const char* what, Timing ours, double notepadMs) {
    std::printf("%-46s %9.1f ms  %5.2f x notepad's load   (processor %7.1f ms)\n", what, ours.wallMs,
                ours.wallMs / notepadMs, ours.cpuMs);
}

bool Check(bool ok, const char* what) {
    if (!ok) std::printf("CHECK FAILED: %s\n", what);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = argc > 1 ? argv[1] : std::string(temp) + "quarel_file_speed";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string bookPath = folder + "\\field_book.txt";
    const std::string savedPath = folder + "\\field_book_saved.txt";
    const std::string emptyPath = folder + "\\empty.txt";

    const std::string book = GenerateFieldBook(BookBytes);
    std::ofstream(bookPath, std::ios::binary) << book;
    std::ofstream(emptyPath, std::ios::binary).flush();
    const std::string text = TextFromFileBytes(book);
    const long long lines = std::count(book.begin(), book.end(), '\n');
    std::printf("Field book: %zu bytes, %lld lines, report-shaped (%s)\n", book.size(), lines,
                bookPath.c_str());

    HWND editor = MakeEditor("file speed");
    bool ok = true;
    const auto empty = [&] {
        SetWindowTextA(editor, "");
        Pump();
    };
    const Timing load = Time(empty, [&] {
        ok = Check(LoadTextFile(editor, bookPath.c_str()) == 1, "load done") && ok;
        UpdateWindow(editor);
    });
    DWORD caret = 0;
    SendMessageA(editor, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    ok = Check(static_cast<std::size_t>(GetWindowTextLengthA(editor)) == text.size(), "whole text loaded") &&
         ok;
    ok = Check(caret == text.size(), "caret at the end") && ok;

    const Timing loadOver =
        Time([] {},
             [&] {
                 ok = Check(LoadTextFile(editor, bookPath.c_str()) == 1, "load over a loaded book") && ok;
                 UpdateWindow(editor);
             });

    DeleteFileA(savedPath.c_str());
    const Timing save =
        Time([] {}, [&] { ok = Check(SaveTextFile(editor, savedPath.c_str()) == 1, "save done") && ok; });
    ok = Check(ReadAll(savedPath) == text, "saved bytes are the text") && ok;

    // The append alone, and the append with the repaint that shows it.
    const std::string report = GenerateReport(5000);
    std::vector<double> appendCalls, appendShown;
    for (int run = 0; run < Runs; ++run) {
        const std::size_t before = static_cast<std::size_t>(GetWindowTextLengthA(editor));
        Stopwatch clock;
        AppendToEditor(editor, report.c_str());
        appendCalls.push_back(clock.Milliseconds());
        UpdateWindow(editor);
        appendShown.push_back(clock.Milliseconds());
        ok = Check(static_cast<std::size_t>(GetWindowTextLengthA(editor)) == before + report.size(),
                   "report appended") &&
             ok;
        Pump();
    }

    std::vector<double> withFile, withEmpty;
    for (int run = 0; run < Runs; ++run) {
        withEmpty.push_back(NotepadShowsFile(emptyPath, 0));
        withFile.push_back(NotepadShowsFile(bookPath, static_cast<long long>(text.size())));
    }
    const double notepadFile = Median(withFile);
    const double notepadEmpty = Median(withEmpty);
    // Notepad's load: its start with the file less its start with an empty file.
    const double notepad = notepadFile - notepadEmpty;
    ok = Check(notepadFile > 0 && notepadEmpty > 0, "notepad showed the files") && ok;

    std::printf("Median of %d runs each; wall-clock time, and the processor time of our working thread, "
                "which a busy machine disturbs far less.\n",
                Runs);
    std::printf("%-46s %9.1f ms   (start with the file %.1f ms less start with an empty file %.1f ms)\n",
                "notepad: load", notepad, notepadFile, notepadEmpty);
    Print("ours: load into an empty text field", load, notepad);
    Print("ours: load over the loaded book", loadOver, notepad);
    Print("ours: save", save, notepad);
    char appendLabel[64];
    std::snprintf(appendLabel, sizeof appendLabel, "ours: append a %zu-byte report at the end",
                  report.size());
    std::printf("%-46s %9.1f ms\n", appendLabel, Median(appendCalls));
    std::printf("%-46s %9.1f ms\n", "ours: the same append, repainted", Median(appendShown));
    std::printf("Targets: our load no slower than notepad's (ratio <= 1), the load over a loaded book within "
                "10 %% of the load into an empty field, append under 100 ms.\n");

    DestroyWindow(GetParent(editor));
    return ok ? 0 : 1;
}
