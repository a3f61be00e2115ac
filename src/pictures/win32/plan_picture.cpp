#include "pictures/win32/plan_picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "pictures/round_numbers.h"
#include "pictures/route_marks.h"
#include "pictures/track_sampling.h"
#include "pictures/win32/plan_drawing.h"
#include "route/line_session.h"

namespace {
class PlanPicture : public Picture {
  public:
    const char* Title() const override { return PlanTitle; }

    bool Update(bool anotherLine) override {
        const LineSession& session = TheLineSession();
        anotherLine = anotherLine || content_.line == nullptr;
        content_.line = session.Line();
        content_.results = &session;
        if (anotherLine && content_.line) {
            content_.marks = RouteMarks(*content_.line);
            content_.ticks = PicketTicks(*content_.line);
            content_.polygon = TangentPolygon(*content_.line);
            content_.pieces.clear();
            content_.piecesTolerance = 0;
        }
        return anotherLine;
    }

    void Fit(const DrawingArea& area) override {
        if (!content_.line) return;
        view_ = FitView(WholeExtent(), area);
        fitted_ = true;
    }

    void Zoom(const DrawingArea& area, DevicePoint about, double factor) override {
        view_ = ZoomAbout(view_, area, about, factor);
        fitted_ = false;
    }

    void Pan(double dx, double dy) override {
        view_ = PanBy(view_, dx, dy);
        fitted_ = false;
    }

    void Draw(HDC dc, const DrawingArea& area, const DeviceStyle& style) override {
        DrawPlan(dc, area, style, view_, content_);
    }

    std::string DrawOnPage(HDC dc, const DrawingArea& page, const DeviceStyle& style,
                           const DrawingArea& screen) override {
        // Fitted: the whole line at the largest round scale at which it fits the page
        // as it would fit a window of the page's shape; zoomed or panned: the least N
        // at which the screen's ground fits the page. N rounded up.
        GroundView centre = view_;
        double least = 0;
        if (fitted_ && content_.line) {
            centre = FitView(WholeExtent(), page);
            least = style.unitsPerMm * 1000 / centre.unitsPerMetre;
        } else {
            const GroundExtent shown = VisibleGround(view_, screen);
            const double pageWidthMm = page.width / style.unitsPerMm, pageHeightMm = page.height / style.unitsPerMm;
            least = std::max(shown.Width() * 1000 / pageWidthMm, shown.Height() * 1000 / pageHeightMm);
        }
        const double N = RoundScaleDenominator(least);
        const GroundView printed{centre.Yc, centre.Xc, style.unitsPerMm * 1000 / N};
        DrawPlan(dc, page, style, printed, content_);
        return ScaleText(N);
    }

  private:
    // The line and the points traced on it.
    GroundExtent WholeExtent() const {
        GroundExtent extent = RouteExtent(*content_.line);
        for (const TracedRoutePoint& p : content_.results->TracedPoints())
            extent.Include({p.Y, p.X});
        return extent;
    }

    PlanContent content_;
    GroundView view_;
    bool fitted_ = true; // the view is the fitted one: neither zoomed nor panned since
};
} // namespace

std::unique_ptr<Picture> MakePlanPicture() {
    return std::make_unique<PlanPicture>();
}
