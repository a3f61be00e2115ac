// The line the surveyor works on in this run, in one place: the line read last
// (from an IP table or an element table), the profile read last, and the points of
// the last trace and the last set-out on the line, which the pictures show. Whoever
// shows them listens and is told what changed.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "alignment/alignment.h"
#include "route/trace_tolerances.h"
#include "route/vertical_profile.h"

struct TracedRoutePoint {
    std::string name;
    double Y, X, PK, d;
    std::string element;      // "straight START-VU1"
    std::optional<double> dH; // the level's difference, where levels were compared
    std::optional<double> H = {}; // the surveyed level, where its line gives one
};

struct SetOutRoutePoint {
    double PK, d, Y, X;
    std::string name = {};        // as its report line names it: "SO-3", "NSK1"
    std::optional<double> H = {}; // the design level, with a profile
};

// Which results came last: the points a command hands on are those.
enum class LastResults { None, Trace, SetOut };

enum class LineChange {
    Line,    // another line was read: its results are none yet
    Profile, // another profile was read
    Results  // a trace or a set-out on the line
};

class LineSession {
  public:
    const Alignment* Line() const { return line_ ? &*line_ : nullptr; }
    const VerticalProfile* Profile() const { return profile_ ? &*profile_ : nullptr; }
    // Whether points have been traced on the line read.
    bool Traced() const { return traced_; }
    const std::vector<TracedRoutePoint>& TracedPoints() const { return tracedPoints_; }
    const std::vector<SetOutRoutePoint>& SetOutPoints() const { return setOutPoints_; }
    // The tolerances of the last trace's TOL line; none without one.
    const std::optional<TraceTolerances>& TraceTolerancesGiven() const { return tolerances_; }
    // Whether the last results on the line read are a trace's or a set-out's.
    LastResults Last() const { return last_; }

    void SetLine(Alignment line);
    void SetProfile(VerticalProfile profile);
    // The points of a trace on the line, which replace the last trace's.
    void KeepTrace(std::vector<TracedRoutePoint> points, std::optional<TraceTolerances> tolerances = {});
    // The points of a set-out run on the line, which replace the last run's.
    void KeepSetOut(std::vector<SetOutRoutePoint> points);
    // No line, no profile, no results (a test's fresh start); told as another line.
    void Clear();

    // Calls `listener` after every change from now on; the number to stop it by.
    std::size_t Listen(std::function<void(LineChange)> listener);
    void StopListening(std::size_t id);

  private:
    void Tell(LineChange change);
    std::optional<Alignment> line_;
    std::optional<VerticalProfile> profile_;
    bool traced_ = false;
    LastResults last_ = LastResults::None;
    std::optional<TraceTolerances> tolerances_;
    std::vector<TracedRoutePoint> tracedPoints_;
    std::vector<SetOutRoutePoint> setOutPoints_;
    std::vector<std::pair<std::size_t, std::function<void(LineChange)>>> listeners_;
    std::size_t nextListener_ = 1;
};

// The one session of the run.
LineSession& TheLineSession();

// Which line is held: "Line START-VU1-VU2-END, PK 100.0000 to 3259.7809", or "No
// line has been read yet."
std::string StoredRouteDescription();
