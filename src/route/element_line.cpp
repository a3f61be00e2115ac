#include "route/element_line.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "alignment/alignment_index.h"
#include "geometry/circular_curve.h"
#include "geometry/clothoid_path.h"
#include "geometry/tolerances.h"
#include "numeric/arithmetic.h"
#include "numeric/number_formats.h"
#include "numeric/report_numbers.h"
#include "route/table_fields.h"

namespace {
using Kind = AlignmentElementKind;

// The kernels of an element of true geometry: its stations run along it from the
// row's PK.
class TrueElementKernel : public ElementKernel {
  public:
    TrueElementKernel(ClothoidPath path, double PK) : path_(std::move(path)), PK_(PK) {}

    std::optional<StationOffset> Trace(double Y, double X) const override {
        const PathFoot foot = FootOnPath(path_, Y, X);
        if (!foot.found || !(foot.s >= -JointTolerance && foot.s <= path_.L + JointTolerance)) return std::nullopt;
        return StationOffset{PK_ + foot.s, foot.d};
    }
    ElementSetOut SetOut(double PK, double d) const override {
        const double s = std::clamp(PK - PK_, 0.0, path_.L);
        if (!(PK - PK_ >= -LengthTolerance && PK - PK_ <= path_.L + LengthTolerance))
            return {SetOutOutcome::PicketOutside, 0, 0};
        // The centre of curvature lies 1/k to the right (left where k < 0).
        if (d * CurvatureAt(path_, s) >= 1) return {SetOutOutcome::OffsetBeyondCentre, 0, 0};
        const PlanePoint p = PointOffPath(path_, s, d);
        return {SetOutOutcome::SetOut, p.Y, p.X};
    }
    PlanePoint PointAtStation(double PK) const override {
        const PathPoint p = PointOnPath(path_, PK - PK_);
        return {p.Y, p.X};
    }
    std::vector<PlanePoint> Sample(double tolerance) const override {
        // A chord of length s on a curve of curvature at most k departs from it by at
        // most k s^2 / 8.
        const double k = std::max(AbsValue(path_.k1), AbsValue(path_.k2));
        const double step = k > 0 ? std::sqrt(8 * tolerance / k) : path_.L;
        const double n = std::clamp(std::ceil(path_.L / step), 1.0, 100000.0);
        std::vector<PlanePoint> points;
        const auto count = static_cast<std::size_t>(n);
        points.reserve(count + 1);
        for (std::size_t i = 0; i <= count; ++i) {
            const PathPoint p = PointOnPath(path_, i == count ? path_.L : path_.L * static_cast<double>(i) / n);
            points.push_back({p.Y, p.X});
        }
        return points;
    }

  private:
    ClothoidPath path_;
    double PK_;
};

const char* KindWord(Kind kind) {
    return kind == Kind::Straight ? "STRAIGHT" : kind == Kind::Arc ? "ARC" : "SPIRAL";
}

const char* BandWord(Kind kind) {
    return kind == Kind::Straight ? "straight" : kind == Kind::Arc ? "arc" : "spiral";
}

double Curvature(double R) {
    return R == 0 ? 0 : 1 / R;
}

// Decimal degrees clockwise from north to a direction angle, and back.
double Radians(double degrees) {
    return PiTimes(degrees) / 180;
}
double Degrees(double radians) {
    return radians * 180 / PiTimes(1);
}

// "AZ=57.2500000000": a direction with ten decimals of a degree, a millimetre at 5 km.
std::string AzimuthText(double radians) {
    double degrees = Degrees(radians);
    if (degrees < 0) degrees += 360;
    return FormatFixed(degrees, 10);
}

std::string ElementLine(const TableElement& row, std::size_t ordinal) {
    std::string text = std::string(KindWord(row.kind)) + " " + std::to_string(ordinal) + "   PK=" + LinearText(row.PK) +
                       "   Y=" + LinearText(row.Y) + "   X=" + LinearText(row.X) +
                       "   AZ=" + AzimuthText(Radians(row.AZ)) + "   L=" + LinearText(row.L);
    if (row.kind == Kind::Arc) text += "   R=" + LinearText(row.R1);
    if (row.kind == Kind::Spiral) text += "   R1=" + LinearText(row.R1) + "   R2=" + LinearText(row.R2);
    return text;
}

// "line 7 and line 8: the start of line 8 lies 0.0123 from the end of line 7"
std::string GapRefusal(int before, int after, const char* what, double gap) {
    return TableLineName(before) + " and " + TableLineName(after) + ": " + what + " " + TableLineName(after) +
           " lies " + LinearText(gap) + " from the end of " + TableLineName(before);
}
} // namespace

ElementLineBuild BuildElementLine(const ElementTable& table) {
    ElementLineBuild build;
    Alignment& line = build.line;
    line.description = table.name;
    std::string& report = build.report;
    const std::size_t n = table.elements.size();
    PathPoint end{};
    double internal = table.elements[0].PK;
    for (std::size_t i = 0; i < n; ++i) {
        const TableElement& row = table.elements[i];
        const double A = Radians(row.AZ);
        ClothoidPath path = MakeClothoidPath(row.Y, row.X, A, row.L, Curvature(row.R1), Curvature(row.R2));
        if (path.knots.empty()) {
            build.refusal = TableLineName(row.lineNumber) + ": the " + KindWord(row.kind) + " cannot be computed";
            return build;
        }
        if (i > 0) {
            const TableElement& previous = table.elements[i - 1];
            const double gap = PlaneDistance(row.Y - end.Y, row.X - end.X);
            if (!(gap <= JointTolerance)) {
                build.refusal = GapRefusal(previous.lineNumber, row.lineNumber, "the start of", gap);
                return build;
            }
            const double back = previous.PK + previous.L;
            if (AbsValue(row.PK - back) > JointTolerance) {
                line.equations.push_back({back, row.PK, i});
                report += "   equation   back=" + LinearText(back) + "   ahead=" + LinearText(row.PK) + "\r\n";
            }
            const double kink = ReduceToHalfTurn(A - end.A);
            if (AbsValue(kink) > LeastKink)
                report += "   !Kink of " + AngleText(AbsValue(kink)) + (kink < 0 ? " to the left" : " to the right") +
                          " at the start of " + TableLineName(row.lineNumber) + "!\r\n";
            internal += previous.L;
            line.marks.push_back({MarkKind::MainPoint, std::string(KindWord(row.kind)) + " " + std::to_string(i + 1),
                                  {row.Y, row.X}, row.PK});
        }
        report += ElementLine(row, i + 1) + "\r\n";
        const std::string name = std::string(KindWord(row.kind)) + " " + std::to_string(i + 1);
        end = PointOnPath(path, row.L);
        const double k1 = Curvature(row.R1), k2 = Curvature(row.R2);
        line.elements.push_back({.kind = row.kind,
                                 .name = name,
                                 .bandName = std::string(BandWord(row.kind)) + " " + std::to_string(i + 1),
                                 .curveName = name,
                                 .PK = row.PK,
                                 .Y = row.Y,
                                 .X = row.X,
                                 .A = A,
                                 .L = row.L,
                                 .k1 = k1,
                                 .k2 = k2,
                                 .PKend = row.PK + row.L,
                                 .clamps = false,
                                 .internal = internal,
                                 .drawFrom = row.PK,
                                 .drawTo = row.PK + row.L,
                                 .kernel = std::make_shared<const TrueElementKernel>(std::move(path), row.PK)});
    }
    const double gap = PlaneDistance(table.Y_end - end.Y, table.X_end - end.X);
    const TableElement& last = table.elements.back();
    if (!(gap <= JointTolerance)) {
        build.refusal = GapRefusal(last.lineNumber, table.endLine, "END of", gap);
        return build;
    }
    const TableElement& first = table.elements.front();
    const double A0 = Radians(first.AZ);
    line.start = {first.PK, first.Y, first.X, std::sin(A0), std::cos(A0)};
    line.end = {last.PK + last.L, table.Y_end, table.X_end, std::sin(end.A), std::cos(end.A)};
    line.marks.insert(line.marks.begin(), {MarkKind::End, "START", {first.Y, first.X}, first.PK});
    line.marks.push_back({MarkKind::End, "END", {table.Y_end, table.X_end}, last.PK + last.L});
    std::vector<CantRow> cant;
    for (const TableCant& row : table.cant)
        cant.push_back({row.PK, row.h, 0});
    SetCantRows(line, std::move(cant));
    for (std::size_t i = 0; i < table.cant.size(); ++i) {
        const TableCant& row = table.cant[i];
        if (i > 0 && line.cant[i].internal < line.cant[i - 1].internal) {
            build.refusal = TableLineName(row.lineNumber) + ": the CANT station comes before the one of " +
                            TableLineName(table.cant[i - 1].lineNumber);
            return build;
        }
        // Kept, but a cant outside of the line applies nowhere.
        if (!InternalStation(line, row.PK))
            report += "   !CANT of " + TableLineName(row.lineNumber) + " at PK=" + LinearText(row.PK) +
                      " lies outside of the line!\r\n";
    }
    report += "END   PK=" + LinearText(line.end.PK) + "   Y=" + LinearText(table.Y_end) +
              "   X=" + LinearText(table.X_end) + "\r\n";
    report += "Length=" + LinearText(internal + last.L - first.PK) + "\r\n";
    IndexAlignment(line);
    return build;
}
