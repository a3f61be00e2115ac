// The heights of a line at a station as a point's report line shows them: the
// design level of the profile (the rail the profile is given for; on curves the
// inner rail) and the design cant beside it, which is not added to the level.
// Across a station equation the profile's grades and curves are measured along the
// line: its stations are taken as internal stations of the line.
#pragma once

#include <optional>
#include <string>

#include "alignment/alignment.h"
#include "route/vertical_profile.h"

class RouteHeights {
  public:
    // profile: the stored profile, or null when none has been read.
    RouteHeights(const Alignment& line, const VerticalProfile* profile);

    // Whether a point's line shows any height: a profile was read or the line has a cant.
    bool Shown() const { return profile_ != nullptr || cant_; }
    // The design level at the station; none without a profile or outside of it.
    std::optional<double> Level(double PK) const;
    // The design cant at the station, mm (0 on a line without one).
    double Cant(double PK) const { return DesignCant(line_, PK); }

    // For a traced point of surveyed level H (none when its line gives none):
    // "   Hd=…   dH=…" with a profile ("   !Level outside of the profile!" for a
    // station outside of it; no dH without H), then "   h=…" when the line has a
    // cant. dH is set when it is given (the level compared), reset otherwise.
    // A level that could not be read is said by its note in place of Hd and dH
    // (levelNote: "!Level \"188,498\" is not a number (write a decimal point)!").
    std::string TracedText(double PK, std::optional<double> H, std::optional<double>& dH,
                           const std::string& levelNote = {}) const;
    // For a set-out point: "H=…" (or "!Level outside of the profile!") with a
    // profile, "h=…" with a cant, three blanks apart; empty when neither.
    std::string SetOutText(double PK) const;

  private:
    const Alignment& line_;
    const VerticalProfile* profile_;
    // The profile with its stations taken along the line, where the line has equations.
    std::optional<VerticalProfile> alongLine_;
    bool cant_;
};
