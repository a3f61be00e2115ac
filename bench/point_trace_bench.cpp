// The trace of many selected points: 10,000 spiral points read from the selected
// lines, traced and formatted into one report, timed natively; in the Windows
// build also the whole menu command on a real text field (the text read from the
// field, the report appended to it). Prints figures; checks only that every point
// was traced.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "calculator/calculation_store.h"
#include "median_time.h"
#include "numeric/clothoid.h"
#include "resource_ids.h"
#include "text/selected_lines.h"
#include "trace/point_batch_trace.h"

#ifdef _WIN32
#include <windows.h>

#include "app/menu_command_runner.h"
#include "bench_editor.h"
#include "text/win32/window_text.h"
#endif

namespace {

constexpr int Points = 10000;
constexpr int Runs = 5;

using SV = StoredValue;

// A spiral of R 600 and L_sk 120 from a straight along +X, centre on the right;
// NKK at picket 1000, (0, 1000).
void StoreSpiral(CalculationStore& store) {
    store[SV::PK_line] = 800;
    store[SV::Y_lin] = 0;
    store[SV::X_lin] = 800;
    store[SV::PK_A] = 1000;
    store[SV::Y_A] = 0;
    store[SV::X_A] = 1000;
    store[SV::Y_ck] = 600;
    store[SV::X_ck] = 1000;
    store[SV::R_kk] = 600;
    store[SV::L_sk] = 120;
    store[SV::q] = 0.05;
}

// A field book page: a few notes, then the points surveyed along the spiral from
// NSK (about 60 before NKK) to KSK, up to 2 either side of it, as an instrument exports
// them: name, Y, X, height, code.
std::string PointLines(std::size_t& selectionStart) {
    std::string text = "Check survey of the spiral, km 1\r\nInstrument export follows\r\n";
    selectionStart = text.size();
    const double C = 600 * 120;
    const double nsk = 1000 - SpiralTermA(120, C);
    char line[160];
    for (int i = 0; i < Points; ++i) {
        const double l = 120.0 * i / Points;
        const double offset = 2.0 * std::sin(i * 0.37);
        const double y = ClothoidY(l, C) + offset * std::cos(ClothoidAngle(l, C));
        const double x = nsk + ClothoidX(l, C) - offset * std::sin(ClothoidAngle(l, C));
        std::snprintf(line, sizeof line, "P%d\t%.3f\t%.3f\t101.35\tRAIL\r\n", i + 1, y, x);
        text += line;
    }
    return text;
}

double Milliseconds(const std::function<void()>& step) {
    return MedianMilliseconds(Runs, step);
}

bool AllTraced(const std::string& report) {
    const std::string counts = "Points: " + std::to_string(Points) + " traced, 0 outside, 0 skipped\r\n";
    const bool ok = report.size() >= counts.size() &&
                    report.compare(report.size() - counts.size(), counts.size(), counts) == 0;
    if (!ok)
        std::printf("CHECK FAILED: every point traced; the report ends: %s\n",
                    report.substr(report.size() > 200 ? report.size() - 200 : 0).c_str());
    return ok;
}

#ifdef _WIN32
// The whole command on a text field made as the program makes its own, the
// points selected; the report appended is taken away again after each run.
bool TimeWholeCommand(const std::string& text, std::size_t selectionStart) {
    HWND editor = MakeEditor("point trace");
    SetWindowTextA(editor, text.c_str());
    Pump();
    bool ok = true;
    std::vector<double> calls, shown;
    for (int run = 0; run < Runs; ++run) {
        SendMessageA(editor, EM_SETSEL, selectionStart, text.size());
        const auto start = std::chrono::steady_clock::now();
        RunMenuCommand(editor, editor, CMD_TRACE_POINTS_SPIRAL);
        const auto called = std::chrono::steady_clock::now();
        UpdateWindow(editor);
        const auto painted = std::chrono::steady_clock::now();
        calls.push_back(std::chrono::duration<double, std::milli>(called - start).count());
        shown.push_back(std::chrono::duration<double, std::milli>(painted - start).count());
        const int length = GetWindowTextLengthA(editor);
        std::string all(static_cast<std::size_t>(length) + 1, '\0');
        GetWindowTextA(editor, all.data(), length + 1);
        all.resize(static_cast<std::size_t>(length));
        ok = AllTraced(all) && ok;
        SendMessageA(editor, EM_SETSEL, text.size(), -1);
        SendMessageA(editor, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
        Pump();
    }
    // The append alone of a report of that size, for comparison.
    const std::string report = TracePointLines(SpiralPointBatch, TheCalculationStore,
                                               SelectedLines(text, selectionStart, text.size()));
    std::vector<double> appends;
    for (int run = 0; run < Runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        AppendToEditor(editor, report.c_str());
        appends.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        SendMessageA(editor, EM_SETSEL, text.size(), -1);
        SendMessageA(editor, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
        Pump();
    }
    std::sort(calls.begin(), calls.end());
    std::sort(shown.begin(), shown.end());
    std::sort(appends.begin(), appends.end());
    std::printf("%-58s %9.1f ms\n", "whole command on a real text field", calls[Runs / 2]);
    std::printf("%-58s %9.1f ms\n", "the same, repainted", shown[Runs / 2]);
    std::printf("%-58s %9.1f ms\n", "of which the one append of the report, alone", appends[Runs / 2]);
    DestroyWindow(GetParent(editor));
    return ok;
}
#endif

} // namespace

int main() {
    StoreSpiral(TheCalculationStore);
    std::size_t selectionStart = 0;
    const std::string text = PointLines(selectionStart);
    std::printf("%d spiral points, %zu bytes of selected lines; median of %d runs.\n", Points,
                text.size() - selectionStart, Runs);

    std::vector<TextLine> lines;
    const double read = Milliseconds([&] { lines = SelectedLines(text, selectionStart, text.size()); });
    std::string report;
    const double traced =
        Milliseconds([&] { report = TracePointLines(SpiralPointBatch, TheCalculationStore, lines); });
    const double both = Milliseconds([&] {
        report = TracePointLines(SpiralPointBatch, TheCalculationStore,
                                 SelectedLines(text, selectionStart, text.size()));
    });
    std::printf("%-58s %9.1f ms\n", "selected lines found", read);
    std::printf("%-58s %9.1f ms\n", "points read, traced and formatted", traced);
    std::printf("%-58s %9.1f ms   (target: under 1000 ms)\n", "together", both);
    std::printf("report: %zu bytes\n", report.size());
    bool ok = AllTraced(report);
#ifdef _WIN32
    ok = TimeWholeCommand(text, selectionStart) && ok;
#endif
    return ok ? 0 : 1;
}
