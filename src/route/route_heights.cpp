#include "route/route_heights.h"

#include "numeric/report_numbers.h"
#include "route/route_cant.h"

namespace {
constexpr const char* OutsideOfProfile = "!Level outside of the profile!";
}

RouteHeights::RouteHeights(const Route& route, const VerticalProfile* profile)
    : route_(route), profile_(profile), cant_(RouteHasCant(route)) {}

std::optional<double> RouteHeights::Level(double PK) const {
    return profile_ == nullptr ? std::nullopt : DesignLevel(*profile_, PK);
}

std::string RouteHeights::TracedText(double PK, std::optional<double> H, std::optional<double>& dH) const {
    std::string text;
    dH.reset();
    if (profile_ != nullptr) {
        if (const std::optional<double> Hd = DesignLevel(*profile_, PK)) {
            text += "   Hd=" + LinearText(*Hd);
            if (H) {
                dH = *H - *Hd;
                text += "   dH=" + LinearText(*dH);
            }
        } else {
            text += std::string("   ") + OutsideOfProfile;
        }
    }
    if (cant_) text += "   h=" + LinearText(DesignCant(route_, PK));
    return text;
}

std::string RouteHeights::SetOutText(double PK) const {
    std::string text;
    if (profile_ != nullptr) {
        const std::optional<double> H = DesignLevel(*profile_, PK);
        text += H ? "H=" + LinearText(*H) : OutsideOfProfile;
    }
    if (cant_) text += (text.empty() ? "h=" : "   h=") + LinearText(DesignCant(route_, PK));
    return text;
}
