#include "route/vertical_profile.h"

#include <algorithm>
#include <cmath>

#include "numeric/arithmetic.h"
#include "numeric/report_numbers.h"

namespace {
std::string PointName(const ProfileTable& table, std::size_t i) {
    if (i == 0) return "PSTART";
    if (i > table.pvis.size()) return "PEND";
    return table.pvis[i - 1].name;
}

// The grade, vertical curve and its ends of a PVI between grades i1 and i2.
void SetCurve(ProfilePvi& p, double i1, double i2) {
    p.i1 = i1, p.i2 = i2;
    p.w = i2 - i1;
    const bool curve = p.Rv > 0 && p.w != 0;
    p.Tv = curve ? p.Rv * AbsValue(p.w) / 2 : 0;
    p.Kv = 2 * p.Tv;
    p.Bv = curve ? p.Tv * p.Tv / (2 * p.Rv) : 0;
    p.Hc = p.w < 0 ? p.at.H - p.Bv : p.at.H + p.Bv;
    p.NVK = {p.at.PK - p.Tv, p.at.H - i1 * p.Tv};
    p.KVK = {p.at.PK + p.Tv, p.at.H + i2 * p.Tv};
}

double LevelOnCurve(const ProfilePvi& p, double PK) {
    const double x = PK - p.NVK.PK;
    return p.at.H + p.i1 * (PK - p.at.PK) + p.w * (x * x) / (4 * p.Tv);
}

// Fills the profile of the table; the refusal, or empty when it is one.
std::string BuildProfile(const ProfileTable& table, VerticalProfile& profile) {
    const std::size_t n = table.pvis.size();
    // The breaks in picket order: PSTART, the PVIs, PEND.
    std::vector<ProfileLevel> breaks;
    breaks.reserve(n + 2);
    breaks.push_back({table.PK_start, table.H_start});
    for (const TablePvi& pvi : table.pvis) {
        if (pvi.Rv < 0) return "the Rv of " + pvi.name + " is below 0";
        breaks.push_back({pvi.PK, pvi.H});
    }
    breaks.push_back({table.PK_end, table.H_end});
    std::vector<double> grades(n + 1);
    for (std::size_t i = 0; i <= n; ++i) {
        const std::string between = PointName(table, i) + " and " + PointName(table, i + 1);
        if (!(breaks[i + 1].PK > breaks[i].PK)) return "the pickets of " + between + " do not increase";
        grades[i] = (breaks[i + 1].H - breaks[i].H) / (breaks[i + 1].PK - breaks[i].PK);
        if (!std::isfinite(grades[i])) return "the grade between " + between + " is too steep to compute";
    }
    profile.start = breaks.front(), profile.end = breaks.back();
    profile.lastGrade = grades[n];
    profile.pvis.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        ProfilePvi& p = profile.pvis[i];
        p.name = table.pvis[i].name;
        p.at = breaks[i + 1];
        p.Rv = table.pvis[i].Rv;
        SetCurve(p, grades[i], grades[i + 1]);
        if (!std::isfinite(p.Bv) || !std::isfinite(p.NVK.H) || !std::isfinite(p.KVK.H))
            return "the vertical curve of " + p.name + " is too large to compute";
        if (p.NVK.PK < profile.start.PK) return "the vertical curve of " + p.name + " reaches past PSTART";
        if (i > 0 && p.NVK.PK < profile.pvis[i - 1].KVK.PK)
            return "the vertical curves of " + profile.pvis[i - 1].name + " and " + p.name + " overlap by " +
                   LinearText(profile.pvis[i - 1].KVK.PK - p.NVK.PK);
    }
    if (n > 0 && profile.pvis.back().KVK.PK > profile.end.PK)
        return "the vertical curve of " + profile.pvis.back().name + " reaches past PEND";
    return {};
}
} // namespace

VerticalProfileBuild BuildVerticalProfile(const ProfileTable& table) {
    VerticalProfileBuild build;
    build.refusal = BuildProfile(table, build.profile);
    return build;
}

std::optional<double> DesignLevel(const VerticalProfile& profile, double PK) {
    if (!(PK >= profile.start.PK && PK <= profile.end.PK)) return std::nullopt;
    const std::vector<ProfilePvi>& pvis = profile.pvis;
    // The first PVI beyond the picket; the one before it is the last at or before.
    const auto next = std::upper_bound(pvis.begin(), pvis.end(), PK,
                                       [](double pk, const ProfilePvi& p) { return pk < p.at.PK; });
    if (next != pvis.begin() && (next - 1)->Tv > 0 && PK <= (next - 1)->KVK.PK)
        return LevelOnCurve(*(next - 1), PK);
    if (next != pvis.end() && next->Tv > 0 && PK >= next->NVK.PK) return LevelOnCurve(*next, PK);
    // On the grade from the break before the picket.
    if (next == pvis.begin()) {
        const double grade = pvis.empty() ? profile.lastGrade : pvis.front().i1;
        return profile.start.H + grade * (PK - profile.start.PK);
    }
    const ProfilePvi& before = *(next - 1);
    return before.at.H + before.i2 * (PK - before.at.PK);
}
