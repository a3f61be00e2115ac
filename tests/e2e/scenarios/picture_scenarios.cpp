// Quarel > Line > Plan of the line and Offsets along the line through the real
// program: their notices; the plan and the chart on a line with a trace, checked in
// the windows' own pixels at the points the worked example places (the plan fitted,
// zoomed about the pointer, fitted by Home, panned by an arrow key, fitted by Fit,
// following a new trace); Esc and the close box; and the plan
// printed through the Print dialog, read back from the PDF: the title, the book's
// name, the scale, the grid labels, every main point's and IP's label and the track
// passing within 0.1 mm of the true line at the main points at the stated scale.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "driver/check.h"
#include "driver/disk_files.h"
#include "driver/document_steps.h"
#include "driver/editor_text.h"
#include "driver/modal_windows.h"
#include "driver/printed_drawing.h"
#include "driver/printed_pdf.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
#include "driver/window_pixels.h"
#include "driver/window_search.h"
#include "resource_ids.h"

namespace {

constexpr DWORD kPrintWaitMs = 120000;

const char* const Book = "START 100.000 5000.000 2000.000\r\n"
                         "IP VU1 5600.000 2800.000 800 100\r\n"
                         "IP VU2 5650.000 3900.000 600 0\r\n"
                         "END 6250.000 4800.000\r\n"
                         "P1 5121.200 2159.100\r\n"
                         "P2 5450.188 2604.018\r\n"
                         "P3 5565.244 2812.469\r\n"
                         "P4 5668.794 3893.840";

struct Ground {
    const char* name;
    double Y, X;
};

// The worked example's main points, START and END.
const Ground MainPoints[] = {
    {"START", 5000.0000, 2000.0000}, {"NSK1", 5422.0083, 2562.6777}, {"KSK1", 5480.3186, 2643.8961},
    {"SK", 5564.5385, 2812.7223},    {"KSK2", 5606.8507, 2996.5836}, {"NSK2", 5613.4703, 3096.3469},
    {"NSK1", 5642.4220, 3733.2839},  {"SK", 5671.6445, 3892.9061},   {"KSK2", 5742.5729, 4038.8594},
    {"END", 6250.0000, 4800.0000}};

// The traced points: picket and offset.
const double TracedPK[] = {300.0000, 853.3605, 1092.6041, 2182.2296};
const double TracedD[] = {1.5000, -2.0000, 0.7496, -2.9996};

const COLORREF MainPointColour = RGB(220, 0, 0);
const COLORREF TracedColour = RGB(200, 0, 200);
const COLORREF Black = RGB(0, 0, 0);

// The line read from the book's first four lines and the points under it traced;
// before the trace the chart gives its notice.
void ReadTheLineAndTraceTheSurvey(const Program& program) {
    const std::string text = EditorText(program);
    const int survey = static_cast<int>(text.find("P1"));
    SelectInEditor(program, 0, survey - 2);
    program.Command(CMD_LINE_ELEMENTS);
    WaitFor([&] { return EditorText(program).find("Length=3159.7809") != std::string::npos; }, "the line read");
    program.Command(CMD_LINE_OFFSETS);
    AnswerMessageBox(program, "Notice", "No points have been traced on the line yet.", IDOK);
    SelectInEditor(program, survey, static_cast<int>(text.size()));
    program.Command(CMD_LINE_TRACE_POINTS);
    WaitFor([&] { return EditorText(program).find("Points: 4 traced") != std::string::npos; }, "the survey traced");
}

HWND WaitForPicture(const Program& program, const std::string& caption) {
    HWND window = nullptr;
    WaitFor([&] { return (window = FindTopWindow(program.ProcessId(), caption, "Quarel_Picture")) != nullptr; },
            "the window \"" + caption + "\"");
    return window;
}

// Where the plan, fitted to its client area, draws a ground point: the extent of
// START, the IPs, END and the traced points fills the area less 8% on every side,
// one scale for both axes, X up.
struct PlanProjection {
    double k, Yc, Xc, width, height;
    POINT At(double Y, double X) const {
        return {static_cast<LONG>(std::lround(width / 2 + (Y - Yc) * k)),
                static_cast<LONG>(std::lround(height / 2 - (X - Xc) * k))};
    }
};

PlanProjection FittedPlan(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const double width = client.right, height = client.bottom;
    return {std::min(width * 0.84 / 1250, height * 0.84 / 2800), 5625, 3400, width, height};
}

// Waits until every main point within the window shows its marker's colour where
// the projection puts it.
void CheckMainPointsAt(HWND window, const PlanProjection& plan, const std::string& when) {
    std::string missing;
    const bool seen = WaitUntil([&] {
        const WindowPixels pixels = ReadClientPixels(window);
        missing.clear();
        for (const Ground& g : MainPoints) {
            const POINT at = plan.At(g.Y, g.X);
            if (at.x < 2 || at.y < 2 || at.x > plan.width - 3 || at.y > plan.height - 3) continue;
            const bool end = std::string(g.name) == "START" || std::string(g.name) == "END";
            if (!pixels.Near(at.x, at.y, end ? Black : MainPointColour, 1))
                missing += std::string(" ") + g.name + "@" + std::to_string(at.x) + "," + std::to_string(at.y);
        }
        return missing.empty();
    });
    Check(seen, "the plan " + when + " shows the main points' markers where they belong; missing:" + missing);
}

// The blobs of one colour: the centre of each group of touching pixels.
std::vector<std::pair<double, double>> Blobs(const WindowPixels& pixels, COLORREF colour) {
    std::vector<int> seen(pixels.pixels.size(), 0);
    std::vector<std::pair<double, double>> centres;
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x) {
            const size_t i = static_cast<size_t>(y) * pixels.width + x;
            if (seen[i] || pixels.pixels[i] != colour) continue;
            double sx = 0, sy = 0, n = 0;
            std::vector<std::pair<int, int>> stack{{x, y}};
            seen[i] = 1;
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                sx += px, sy += py, ++n;
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int qx = px + dx, qy = py + dy;
                    if (pixels.At(qx, qy) != colour) continue;
                    const size_t j = static_cast<size_t>(qy) * pixels.width + qx;
                    if (!seen[j]) seen[j] = 1, stack.push_back({qx, qy});
                }
            }
            centres.push_back({sx / n, sy / n});
        }
    std::sort(centres.begin(), centres.end());
    return centres;
}

void PicturesOnScreen(ScenarioContext& context) {
    Program& program = context.Start();
    PasteIntoEditor(program, Book);
    for (int command : {CMD_LINE_PLAN, CMD_LINE_OFFSETS}) {
        program.Command(command);
        AnswerMessageBox(program, "Notice", "No line has been read yet.", IDOK);
    }
    ReadTheLineAndTraceTheSurvey(program);

    program.Command(CMD_LINE_PLAN);
    const HWND plan = WaitForPicture(program, "Plan of the line");
    const PlanProjection fitted = FittedPlan(plan);
    CheckMainPointsAt(plan, fitted, "fitted");
    const POINT p1 = fitted.At(5121.200, 2159.100);
    Check(ReadClientPixels(plan).Near(p1.x, p1.y, TracedColour, 2), "the plan marks the traced point P1");

    // Two wheel notches up over SK of VU1 zoom 1.25 squared about it.
    const Ground& sk = MainPoints[3];
    POINT cursor = fitted.At(sk.Y, sk.X);
    ClientToScreen(plan, &cursor);
    PostMessageA(plan, WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA), MAKELPARAM(cursor.x, cursor.y));
    PlanProjection zoomed = fitted;
    zoomed.k = fitted.k * 1.5625;
    zoomed.Yc = sk.Y - (sk.Y - fitted.Yc) / 1.5625;
    zoomed.Xc = sk.X - (sk.X - fitted.Xc) / 1.5625;
    CheckMainPointsAt(plan, zoomed, "zoomed about SK of VU1");
    PressKey(plan, VK_HOME);
    CheckMainPointsAt(plan, fitted, "fitted again by Home");
    // The left arrow shows more to the west: the drawing moves right an eighth of the width.
    PressKey(plan, VK_LEFT);
    PlanProjection panned = fitted;
    panned.Yc = fitted.Yc - fitted.width / 8 / fitted.k;
    CheckMainPointsAt(plan, panned, "panned by the left arrow");
    PostMessageA(plan, WM_COMMAND, CMD_PICTURE_FIT, 0);
    CheckMainPointsAt(plan, fitted, "fitted again by Fit");

    program.Command(CMD_LINE_OFFSETS);
    const HWND chart = WaitForPicture(program, "Offsets along the line");
    std::vector<std::pair<double, double>> points;
    WaitUntil([&] { return (points = Blobs(ReadClientPixels(chart), TracedColour)).size() == 4; });
    Check(points.size() == 4, "the chart marks the four traced points: " + std::to_string(points.size()) + " marks");
    // Across by picket, up by d (x, y of the marks in picket order).
    const double acrossShare = (points[1].first - points[0].first) / (points[3].first - points[0].first);
    const double pickets = (TracedPK[1] - TracedPK[0]) / (TracedPK[3] - TracedPK[0]);
    Check(std::fabs(acrossShare - pickets) < 0.01, "the marks lie across by their pickets");
    const double upShare = (points[1].second - points[0].second) / (points[3].second - points[0].second);
    const double offsets = (TracedD[1] - TracedD[0]) / (TracedD[3] - TracedD[0]);
    Check(std::fabs(upShare - offsets) < 0.03, "the marks lie up by their offsets");
    Check(points[0].second < points[2].second && points[2].second < points[1].second &&
              points[1].second < points[3].second,
          "an offset to the right lies higher");

    PressKey(chart, VK_ESCAPE);
    WaitFor([&] { return !IsWindow(chart); }, "Esc to close the chart");

    // A new trace of P1 alone: the plan follows it, P2's marker goes.
    const std::string text = EditorText(program);
    const int p1Line = static_cast<int>(text.find("P1 "));
    SelectInEditor(program, p1Line, static_cast<int>(text.find("\r\n", p1Line)));
    program.Command(CMD_LINE_TRACE_POINTS);
    WaitFor([&] { return EditorText(program).find("Points: 1 traced") != std::string::npos; }, "P1 traced again");
    // The command again brings the one plan window to the front (the main window took
    // the front when the chart closed).
    program.Command(CMD_LINE_PLAN);
    const POINT p2 = fitted.At(5450.188, 2604.018);
    WaitFor([&] {
        const WindowPixels pixels = ReadClientPixels(plan);
        return pixels.Near(p1.x, p1.y, TracedColour, 2) && !pixels.Near(p2.x, p2.y, TracedColour, 2);
    }, "the plan in front to follow the new trace: P1 marked, P2 no more");
    int pictures = 0;
    for (HWND window : VisibleTopWindows(program.ProcessId()))
        pictures += WindowClass(window) == "Quarel_Picture";
    Check(pictures == 1, "one plan window, not a second: " + std::to_string(pictures) + " picture windows");
    PostMessageA(plan, WM_SYSCOMMAND, SC_CLOSE, 0);
    WaitFor([&] { return !IsWindow(plan); }, "the close box to close the plan");
}

// ---- The plan printed ----

bool IsNumber(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0';
}

// The numeric words of one row (same top) or one column (same left), the one
// farthest down or farthest left among those of three words or more.
std::vector<PrintedWord> EdgeLabels(const std::vector<PrintedWord>& words, bool bottomRow) {
    std::map<long, std::vector<PrintedWord>> groups;
    for (const PrintedWord& w : words) {
        double value;
        if (!IsNumber(w.text, value)) continue;
        groups[std::lround((bottomRow ? w.yMin : w.xMin) * 2)].push_back(w);
    }
    std::vector<PrintedWord> best;
    for (const auto& [key, group] : groups)
        if (group.size() >= 3 && (best.empty() || bottomRow)) best = group; // the lowest row, the first column
    return best;
}

// The position of the grid line nearest the label's centre (vertical lines for the
// labels below, horizontal for those at the left), within 3 pt.
double GridLineAt(const std::vector<StrokedPath>& paths, double position, bool vertical) {
    double best = position, distance = 3;
    for (const StrokedPath& path : paths) {
        if (!path.Coloured(200, 200, 200)) continue;
        for (const auto& run : path.runs) {
            if (run.size() != 2) continue;
            const double a = vertical ? run[0].x : run[0].y, b = vertical ? run[1].x : run[1].y;
            if (std::fabs(a - b) > 0.01) continue;
            if (std::fabs(a - position) < distance) distance = std::fabs(a - position), best = a;
        }
    }
    Check(distance < 3, "a grid line at the label at " + std::to_string(position));
    return best;
}

void PlanPrintedToScale(ScenarioContext& context) {
    const DriverSettings& settings = context.Settings();
    if (settings.printPdf.empty()) throw ScenarioSkipped("no printer: " + settings.printerSkipReason);
    WriteFileBytes(context.PathOf("line book.txt"), Book);
    ForgetPrintedPdf(settings);
    Program& program = context.Start();
    OpenThroughDialog(program, "line book.txt");
    ReadTheLineAndTraceTheSurvey(program);
    program.Command(CMD_LINE_PLAN);
    const HWND plan = WaitForPicture(program, "Plan of the line");
    // Upright, as the page is, so that the print's scale is large; then fitted again.
    SetWindowPos(plan, nullptr, 0, 0, 460, 740, SWP_NOZORDER | SWP_NOMOVE);
    PostMessageA(plan, WM_COMMAND, CMD_PICTURE_FIT, 0);
    CheckMainPointsAt(plan, FittedPlan(plan), "upright");
    PostMessageA(plan, WM_COMMAND, CMD_PICTURE_PRINT, 0);
    HWND print = WaitForDialog(program, "Print");
    PressAndWaitClosed(print, IDOK);
    WaitFor([&] { return NoDialogOpen(program); }, "the printing to end", kPrintWaitMs);
    const PrintedPdf pdf = ReadPrintedPdf(settings);

    Check(pdf.pages == 1, "one page printed, pdfinfo says " + std::to_string(pdf.pages));
    const std::string& page = pdf.pageTexts.at(0);
    Check(page.find("Plan of the line") != std::string::npos, "the title printed: " + Visible(page, 300));
    Check(page.find("line book.txt") != std::string::npos, "the book's name printed");
    const std::vector<PrintedWord> words = ReadPrintedWords(pdf.bboxHtml);
    const std::vector<StrokedPath> paths = ReadStrokedPaths(pdf.svg);
    double N = 0;
    for (const PrintedWord& w : words)
        if (w.text.rfind("1:", 0) == 0) N = std::strtod(w.text.c_str() + 2, nullptr);
    const double mantissa = N / std::pow(10.0, std::floor(std::log10(N) + 1e-9));
    Check(N > 0 && (std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 ||
                    std::fabs(mantissa - 2.5) < 1e-9 || std::fabs(mantissa - 5) < 1e-9),
          "the scale 1:N printed with a round N: " + std::to_string(N));
    std::map<std::string, int> labels;
    for (const PrintedWord& w : words) ++labels[w.text];
    for (const auto& [label, least] : std::map<std::string, int>{{"START", 1}, {"END", 1}, {"VU1", 1}, {"VU2", 1},
                                                                 {"NSK1", 2}, {"KSK1", 2}, {"SK", 2}, {"KSK2", 2},
                                                                 {"NSK2", 2}})
        Check(labels[label] >= least, "the label " + label + " printed " + std::to_string(least) + " time(s)");

    // Points on the page per metre of ground at 1:N.
    const double s = 1000 / N * 72 / 25.4;
    const std::vector<PrintedWord> below = EdgeLabels(words, true), left = EdgeLabels(words, false);
    Check(below.size() >= 3 && left.size() >= 3, "grid labels below and at the left");
    // The ground's origin on the page from the grid lines (each drawn at the nearest
    // printer dot, so the mean of them all), then each line within a dot of it.
    const double dot = 72.0 / 300;
    double aY = 0, aX = 0;
    for (const PrintedWord& w : below)
        aY += (GridLineAt(paths, w.CentreX(), true) - s * std::strtod(w.text.c_str(), nullptr)) / below.size();
    for (const PrintedWord& w : left)
        aX += (GridLineAt(paths, w.CentreY(), false) + s * std::strtod(w.text.c_str(), nullptr)) / left.size();
    for (const PrintedWord& w : below) {
        const double x = GridLineAt(paths, w.CentreX(), true), expected = aY + s * std::strtod(w.text.c_str(), nullptr);
        Check(std::fabs(x - expected) <= dot, "the grid lines below lie 1:N apart (" + w.text + " at " +
                                                  std::to_string(x) + ", not " + std::to_string(expected) + ")");
    }
    for (const PrintedWord& w : left) {
        const double y = GridLineAt(paths, w.CentreY(), false), expected = aX - s * std::strtod(w.text.c_str(), nullptr);
        Check(std::fabs(y - expected) <= dot, "the grid lines at the left lie 1:N apart (" + w.text + " at " +
                                                  std::to_string(y) + ", not " + std::to_string(expected) + ")");
    }
    const double tenthOfMm = 0.1 * 72 / 25.4;
    for (const Ground& g : MainPoints) {
        const double distance = DistanceToPaths(paths, 0, 0, 192, {aY + s * g.Y, aX - s * g.X});
        Check(distance < tenthOfMm, std::string("the track passes within 0.1 mm of ") + g.name + ": " +
                                        std::to_string(distance / tenthOfMm * 0.1) + " mm");
    }
    PressKey(plan, VK_ESCAPE);
    WaitFor([&] { return !IsWindow(plan); }, "Esc to close the plan");
}

// The chart of offsets zooms and pans along the picket axis as the plan does: one
// wheel notch over P2 spreads the marks 1.25 times about it, across only; the left
// arrow moves them right an eighth of the window; a drag moves them with the pointer,
// across only; Home and Fit bring back the whole line.
void ChartZoomedAndPanned(ScenarioContext& context) {
    Program& program = context.Start();
    PasteIntoEditor(program, Book);
    ReadTheLineAndTraceTheSurvey(program);
    program.Command(CMD_LINE_OFFSETS);
    const HWND chart = WaitForPicture(program, "Offsets along the line");
    const auto marks = [&](const std::string& when) {
        std::vector<std::pair<double, double>> points;
        WaitUntil([&] { return (points = Blobs(ReadClientPixels(chart), TracedColour)).size() == 4; });
        Check(points.size() == 4, when + ": the four marks: " + std::to_string(points.size()));
        return points;
    };
    // Each mark's x moved as `x` says, its y kept, within a pixel or two.
    const auto checkMoved = [&](const std::string& when, const std::vector<std::pair<double, double>>& from,
                                const std::function<double(double)>& x) {
        std::string wrong;
        const bool moved = WaitUntil([&] {
            const std::vector<std::pair<double, double>> now = Blobs(ReadClientPixels(chart), TracedColour);
            wrong.clear();
            if (now.size() != from.size()) {
                wrong = " marks: " + std::to_string(now.size());
                return false;
            }
            for (std::size_t i = 0; i < now.size(); ++i)
                if (std::fabs(now[i].first - x(from[i].first)) > 2 || std::fabs(now[i].second - from[i].second) > 1.5)
                    wrong += " mark " + std::to_string(i) + " at " + std::to_string(now[i].first) + "," +
                             std::to_string(now[i].second) + " not " + std::to_string(x(from[i].first));
            return wrong.empty();
        });
        Check(moved, when + ":" + wrong);
    };
    const std::vector<std::pair<double, double>> fitted = marks("fitted");
    const double p2 = fitted[1].first;
    POINT cursor{static_cast<LONG>(std::lround(p2)), static_cast<LONG>(std::lround(fitted[1].second))};
    ClientToScreen(chart, &cursor);
    PostMessageA(chart, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(cursor.x, cursor.y));
    checkMoved("one wheel notch over P2", fitted, [&](double x) { return p2 + (x - p2) * 1.25; });
    PressKey(chart, VK_HOME);
    checkMoved("Home", fitted, [](double x) { return x; });
    RECT client;
    GetClientRect(chart, &client);
    PressKey(chart, VK_LEFT);
    checkMoved("the left arrow", fitted, [&](double x) { return x + client.right / 8.0; });
    PostMessageA(chart, WM_COMMAND, CMD_PICTURE_FIT, 0);
    checkMoved("Fit", fitted, [](double x) { return x; });
    // The real pointer goes where the posted messages say, so that a move the system
    // reports of it drags no further.
    POINT from{300, 200}, to{340, 230};
    ClientToScreen(chart, &from);
    ClientToScreen(chart, &to);
    SetCursorPos(from.x, from.y);
    PostMessageA(chart, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 200));
    SetCursorPos(to.x, to.y);
    PostMessageA(chart, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(340, 230));
    PostMessageA(chart, WM_LBUTTONUP, 0, MAKELPARAM(340, 230));
    checkMoved("a drag 40 pixels right and 30 down", fitted, [](double x) { return x + 40; });
    PressKey(chart, VK_ESCAPE);
    WaitFor([&] { return !IsWindow(chart); }, "Esc to close the chart");
}

// The number N of the printed "1:N".
double PrintedScale(const std::vector<PrintedWord>& words) {
    for (const PrintedWord& w : words)
        if (w.text.rfind("1:", 0) == 0) return std::strtod(w.text.c_str() + 2, nullptr);
    Fail("no scale printed");
}

// The plan fitted in a landscape window prints the whole line at the largest round
// scale at which it fits the upright page: the line's 1250 x 2800 m, within the
// page's drawing (about 176 x 227 mm on Letter or A4) less 8% each side, needs at
// least 1:14,700, so 1:20000 (at 1:10000 it would not fit), whatever the window
// shows; its topmost grid label lies whole below the header. Zoomed six notches
// about SK of VU1, it prints what it shows at 1:10000: SK, not END.
void PlanPrintedFittedAndZoomed(ScenarioContext& context) {
    const DriverSettings& settings = context.Settings();
    if (settings.printPdf.empty()) throw ScenarioSkipped("no printer: " + settings.printerSkipReason);
    WriteFileBytes(context.PathOf("line book.txt"), Book);
    Program& program = context.Start();
    OpenThroughDialog(program, "line book.txt");
    ReadTheLineAndTraceTheSurvey(program);
    program.Command(CMD_LINE_PLAN);
    const HWND plan = WaitForPicture(program, "Plan of the line");
    const PlanProjection fitted = FittedPlan(plan);
    CheckMainPointsAt(plan, fitted, "fitted");
    const auto print = [&] {
        ForgetPrintedPdf(settings);
        PostMessageA(plan, WM_COMMAND, CMD_PICTURE_PRINT, 0);
        PressAndWaitClosed(WaitForDialog(program, "Print"), IDOK);
        WaitFor([&] { return NoDialogOpen(program); }, "the printing to end", kPrintWaitMs);
        return ReadPrintedWords(ReadPrintedPdf(settings).bboxHtml);
    };
    const auto printed = [](const std::vector<PrintedWord>& words, const std::string& text) {
        return std::any_of(words.begin(), words.end(), [&](const PrintedWord& w) { return w.text == text; });
    };
    std::vector<PrintedWord> words = print();
    Check(PrintedScale(words) == 20000, "the fitted plan printed at 1:20000, not 1:" + std::to_string(PrintedScale(words)));
    for (const char* label : {"START", "END", "VU1", "VU2"})
        Check(printed(words, label), std::string("the whole line printed: ") + label);
    const auto name = std::find_if(words.begin(), words.end(), [](const PrintedWord& w) { return w.text == "book.txt"; });
    Check(name != words.end(), "the book's name printed");
    const double drawingTop = name->yMax + 4 * 72 / 25.4;
    for (const PrintedWord& w : EdgeLabels(words, false))
        Check(w.yMin >= drawingTop - 1, "the grid label " + w.text + " whole below the header (top " +
                                            std::to_string(w.yMin) + ", drawing from " + std::to_string(drawingTop) + ")");

    const Ground& sk = MainPoints[3];
    POINT cursor = fitted.At(sk.Y, sk.X);
    ClientToScreen(plan, &cursor);
    PostMessageA(plan, WM_MOUSEWHEEL, MAKEWPARAM(0, 6 * WHEEL_DELTA), MAKELPARAM(cursor.x, cursor.y));
    PlanProjection zoomed = fitted;
    const double factor = std::pow(1.25, 6);
    zoomed.k = fitted.k * factor;
    zoomed.Yc = sk.Y - (sk.Y - fitted.Yc) / factor;
    zoomed.Xc = sk.X - (sk.X - fitted.Xc) / factor;
    CheckMainPointsAt(plan, zoomed, "zoomed about SK of VU1");
    words = print();
    Check(PrintedScale(words) == 10000, "the zoomed plan printed at 1:10000, not 1:" + std::to_string(PrintedScale(words)));
    Check(printed(words, "SK") && !printed(words, "END"), "the zoomed plan printed as it shows: SK, not END");
    PressKey(plan, VK_ESCAPE);
    WaitFor([&] { return !IsWindow(plan); }, "Esc to close the plan");
}

} // namespace

std::vector<Scenario> PictureScenarios() {
    return {
        {"pictures of the line: notices before a line and a trace; the plan fitted, zoomed about the pointer, "
         "fitted by Home, panned by an arrow key, fitted by Fit and following a new trace, and the chart of "
         "offsets, checked in their pixels; Esc and the close box close them",
         PicturesOnScreen},
        {"pictures of the line: the plan printed through the Print dialog to the PDF queue: title, book, scale "
         "1:N, grid labels 1:N apart, every main point's and IP's label, the track within 0.1 mm of the main "
         "points",
         PlanPrintedToScale},
        {"pictures of the line: the chart of offsets zoomed by the wheel about the pointer and panned by an "
         "arrow key and a drag along the picket axis only, fitted by Home and Fit",
         ChartZoomedAndPanned},
        {"pictures of the line: the plan fitted in a landscape window printed whole at the largest round "
         "scale that fits the page, its top grid label whole; zoomed, printed as it shows",
         PlanPrintedFittedAndZoomed},
    };
}
