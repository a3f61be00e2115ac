#include "route/route_heights.h"

#include "numeric/report_numbers.h"

namespace {
constexpr const char* OutsideOfProfile = "!Level outside of the profile!";

// The profile again with each station replaced by its internal station.
std::optional<VerticalProfile> ProfileAlongLine(const Alignment& line, const VerticalProfile& profile) {
    const auto along = [&](double PK) { return InternalStation(line, PK).value_or(PK); };
    ProfileTable table;
    table.PK_start = along(profile.start.PK), table.H_start = profile.start.H;
    for (const ProfilePvi& p : profile.pvis)
        table.pvis.push_back({p.name, 0, along(p.at.PK), p.at.H, p.Rv});
    table.PK_end = along(profile.end.PK), table.H_end = profile.end.H;
    VerticalProfileBuild build = BuildVerticalProfile(table);
    if (!build.refusal.empty()) return std::nullopt;
    return std::move(build.profile);
}
} // namespace

RouteHeights::RouteHeights(const Alignment& line, const VerticalProfile* profile)
    : line_(line), profile_(profile), cant_(AlignmentHasCant(line)) {
    if (profile_ != nullptr && !line.equations.empty()) alongLine_ = ProfileAlongLine(line, *profile_);
}

std::optional<double> RouteHeights::Level(double PK) const {
    if (profile_ == nullptr) return std::nullopt;
    if (line_.equations.empty()) return DesignLevel(*profile_, PK);
    const std::optional<double> internal = InternalStation(line_, PK);
    if (!alongLine_ || !internal) return std::nullopt;
    return DesignLevel(*alongLine_, *internal);
}

std::string RouteHeights::TracedText(double PK, std::optional<double> H, std::optional<double>& dH,
                                     const std::string& levelNote) const {
    std::string text;
    dH.reset();
    if (!levelNote.empty()) {
        text += "   " + levelNote;
    } else if (profile_ != nullptr) {
        if (const std::optional<double> Hd = Level(PK)) {
            text += "   Hd=" + LinearText(*Hd);
            if (H) {
                dH = *H - *Hd;
                text += "   dH=" + LinearText(*dH);
            }
        } else {
            text += std::string("   ") + OutsideOfProfile;
        }
    }
    if (cant_) text += "   h=" + LinearText(DesignCant(line_, PK));
    return text;
}

std::string RouteHeights::SetOutText(double PK) const {
    std::string text;
    if (profile_ != nullptr) {
        const std::optional<double> H = Level(PK);
        text += H ? "H=" + LinearText(*H) : OutsideOfProfile;
    }
    if (cant_) text += (text.empty() ? "h=" : "   h=") + LinearText(DesignCant(line_, PK));
    return text;
}
