#include "route/line_session.h"

#include <algorithm>
#include <utility>

#include "numeric/report_numbers.h"

void LineSession::SetLine(Alignment line) {
    line_ = std::move(line);
    traced_ = false;
    last_ = LastResults::None;
    tolerances_.reset();
    tracedPoints_.clear();
    setOutPoints_.clear();
    Tell(LineChange::Line);
}

void LineSession::SetProfile(VerticalProfile profile) {
    profile_ = std::move(profile);
    Tell(LineChange::Profile);
}

void LineSession::KeepTrace(std::vector<TracedRoutePoint> points, std::optional<TraceTolerances> tolerances) {
    traced_ = true;
    last_ = LastResults::Trace;
    tolerances_ = tolerances;
    tracedPoints_ = std::move(points);
    Tell(LineChange::Results);
}

void LineSession::KeepSetOut(std::vector<SetOutRoutePoint> points) {
    last_ = LastResults::SetOut;
    setOutPoints_ = std::move(points);
    Tell(LineChange::Results);
}

void LineSession::Clear() {
    line_.reset();
    profile_.reset();
    traced_ = false;
    last_ = LastResults::None;
    tolerances_.reset();
    tracedPoints_.clear();
    setOutPoints_.clear();
    Tell(LineChange::Line);
}

std::size_t LineSession::Listen(std::function<void(LineChange)> listener) {
    listeners_.emplace_back(nextListener_, std::move(listener));
    return nextListener_++;
}

void LineSession::StopListening(std::size_t id) {
    std::erase_if(listeners_, [id](const auto& l) { return l.first == id; });
}

void LineSession::Tell(LineChange change) {
    // A listener may stop listening while it is told: tell a copy.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners)
        listener(change);
}

LineSession& TheLineSession() {
    static LineSession session;
    return session;
}

std::string StoredRouteDescription() {
    const Alignment* line = TheLineSession().Line();
    if (line == nullptr) return "No line has been read yet.";
    return "Line " + line->description + ", PK " + LinearText(line->start.PK) + " to " + LinearText(line->end.PK);
}
