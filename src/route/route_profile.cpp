#include "route/route_profile.h"

#include "numeric/report_numbers.h"

namespace {
constexpr const char* Title = "\r\nProfile of the line\r\n";

// "   PK=…   H=…"
std::string LevelFigures(const ProfileLevel& p) {
    return "   PK=" + LinearText(p.PK) + "   H=" + LinearText(p.H);
}

// A grade in thousandths.
std::string GradeText(double i) {
    return LinearText(1000 * i);
}

std::string PviLines(const ProfilePvi& p) {
    // A break with no vertical curve is neither.
    const char* kind = p.Tv == 0 ? "" : p.w < 0 ? "   !Crest!" : "   !Sag!";
    return p.name + LevelFigures(p.at) + "   Rv=" + LinearText(p.Rv) + kind + "\r\n" +
           "   i1=" + GradeText(p.i1) + "   i2=" + GradeText(p.i2) + "\r\n" + "   Tv=" + LinearText(p.Tv) +
           "   Kv=" + LinearText(p.Kv) + "   Bv=" + LinearText(p.Bv) + "   Hc=" + LinearText(p.Hc) + "\r\n" +
           "   NVK" + LevelFigures(p.NVK) + "\r\n" + "   KVK" + LevelFigures(p.KVK) + "\r\n";
}
} // namespace

RouteProfile ReadRouteProfile(std::span<const TextLine> lines) {
    RouteProfile result;
    result.report = Title;
    const ProfileTableReading reading = ReadProfileTable(lines);
    VerticalProfileBuild build;
    if (reading.refusal.empty()) build = BuildVerticalProfile(reading.table);
    const std::string& refusal = reading.refusal.empty() ? build.refusal : reading.refusal;
    if (!refusal.empty()) {
        result.report += "!Profile not read: " + refusal + "!\r\n";
        return result;
    }
    const VerticalProfile& profile = build.profile;
    result.report += reading.skippedNotes;
    result.report += "PSTART" + LevelFigures(profile.start) + "\r\n";
    for (const ProfilePvi& pvi : profile.pvis)
        result.report += PviLines(pvi);
    result.report += "PEND" + LevelFigures(profile.end) + "\r\n";
    result.report += "Length=" + LinearText(profile.end.PK - profile.start.PK) + "\r\n";
    result.profile = std::move(build.profile);
    return result;
}
