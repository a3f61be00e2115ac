// The pictures of the line drawn with GDI into a memory bitmap of 1024 x 768, as a
// window repaints: the plan of a line of 1,000 IPs with 10,000 traced points (and
// 10,000 pickets set out), fitted (the first repaint samples the track, the next
// ones reuse it), zoomed in 50 times about the middle, and the chart of the offsets.
// Prints the median time of several repaints of each.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "bench_ip_table.h"
#include "median_time.h"
#include "pictures/track_sampling.h"
#include "pictures/win32/chart_picture.h"
#include "pictures/win32/plan_picture.h"
#include "route/line_session.h"
#include "route/route_elements.h"
#include "text/selected_lines.h"

namespace {
constexpr int Runs = 7;
constexpr int Points = 10000;
constexpr int Width = 1024, Height = 768;

// The traced points: evenly along the line, up to 3 m either side of it.
void KeepTracedPoints(const Alignment& line) {
    std::vector<TracedRoutePoint> traced;
    std::vector<SetOutRoutePoint> setOut;
    for (int i = 0; i < Points; ++i) {
        const double PK = line.start.PK + (line.end.PK - line.start.PK) * (i + 0.5) / Points;
        const GroundPoint at = RoutePointAtPicket(line, PK);
        const double d = 3 * std::sin(i * 0.7);
        traced.push_back({"P" + std::to_string(i + 1), at.Y + d * 0.6, at.X - d * 0.8, PK, d, "", {}});
        setOut.push_back({PK, 0, at.Y, at.X});
    }
    TheLineSession().KeepTrace(std::move(traced));
    TheLineSession().KeepSetOut(std::move(setOut));
}

// One repaint's drawing into the bitmap, in milliseconds (the median of Runs).
double Repaint(HDC memory, Picture& picture, const DrawingArea& area, const DeviceStyle& style) {
    return MedianMilliseconds(Runs, [&] { picture.Draw(memory, area, style); });
}
} // namespace

int main() {
    const std::string table = IpTableText(1000);
    const RouteElements read = ReadRouteElements(SelectedLines(table, 0, table.size()));
    if (!read.line) {
        std::printf("the line was not read\n");
        return 1;
    }
    TheLineSession().SetLine(*read.line);
    KeepTracedPoints(*TheLineSession().Line());

    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), Width, -Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    SelectObject(memory, bitmap);
    const DeviceStyle style = ScreenStyle(screen);
    const DrawingArea area{0, 0, Width, Height};

    const auto plan = MakePlanPicture();
    plan->Update(true);
    plan->Fit(area);
    const auto first = MedianMilliseconds(1, [&] { plan->Draw(memory, area, style); });
    std::printf("plan of 1,000 IPs, 10,000 traced and 10,000 set-out points, first repaint (sampling the track): "
                "%.1f ms\n", first);
    std::printf("plan, fitted, one repaint: %.1f ms\n", Repaint(memory, *plan, area, style));
    plan->Zoom(area, {Width / 2.0, Height / 2.0}, 50);
    plan->Draw(memory, area, style); // samples the track at the new tolerance
    std::printf("plan, zoomed in 50 times, one repaint: %.1f ms\n", Repaint(memory, *plan, area, style));
    const auto chart = MakeChartPicture();
    chart->Update(true);
    std::printf("chart of 10,000 offsets, one repaint: %.1f ms\n", Repaint(memory, *chart, area, style));

    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return 0;
}
