// Waiting for the program under test. The driver keeps answering whatever is sent to
// its own thread while it waits (a message-pumping wait, never a bare Sleep), and
// every wait has a time limit.
#pragma once

#include <functional>
#include <string>

#include <windows.h>

// Generous limits: Wine on a shared machine is sometimes slow, and a wait ends as soon
// as its condition holds. The environment variable QUAREL_E2E_WAIT_SCALE multiplies
// every limit, for a program run under emulation.
constexpr DWORD kWaitLimitMs = 15000;
constexpr DWORD kShortWaitMs = 1500;

// Dispatches this thread's messages for the given time.
void PumpFor(DWORD milliseconds);
// Waits until the condition holds; false when the time ran out first.
bool WaitUntil(const std::function<bool()>& condition, DWORD limitMs = kWaitLimitMs);
// As WaitUntil, but a timeout fails the scenario with "timed out waiting for <what>".
void WaitFor(const std::function<bool()>& condition, const std::string& what, DWORD limitMs = kWaitLimitMs);
