// Checks inside a scenario. A failed check throws ScenarioFailure, which ends the
// scenario; the runner reports the message and ends the program under test.
#pragma once

#include <stdexcept>
#include <string>

struct ScenarioFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Thrown when a scenario cannot run here (for example no small file system could be
// made); reported as skipped with its reason, never as passed.
struct ScenarioSkipped : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& what);
void Check(bool condition, const std::string& what);
// Compares two texts whole; the failure message shows where they first differ,
// with line ends and control characters made visible.
void CheckText(const std::string& actual, const std::string& expected, const std::string& what);
// The text with CR, LF, TAB and other control bytes escaped, cut to a readable length.
std::string Visible(const std::string& text, size_t limit = 400);

// What the program appended to the field book: no control byte but the CR LF that
// ends each line, and no number written as NAN or INF (each follows its "=").
void CheckSoundReport(const std::string& appended, const std::string& what);
