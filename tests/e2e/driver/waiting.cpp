#include "driver/waiting.h"

#include <cstdlib>

#include "driver/check.h"

namespace {

// QUAREL_E2E_WAIT_SCALE, a whole number from 1 to 100; 1 when unset or out of range.
DWORD WaitLimitScale() {
    static const DWORD scale = [] {
        const char* text = std::getenv("QUAREL_E2E_WAIT_SCALE");
        const long value = text ? std::strtol(text, nullptr, 10) : 1;
        return static_cast<DWORD>(value >= 1 && value <= 100 ? value : 1);
    }();
    return scale;
}

void DispatchPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Sleeps at most `milliseconds`, waking early when a message arrives for this thread.
void IdleBriefly(DWORD milliseconds) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
    DispatchPending();
}

}  // namespace

void PumpFor(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64())
        IdleBriefly(static_cast<DWORD>(end - now < 20 ? end - now : 20));
}

bool WaitUntil(const std::function<bool()>& condition, DWORD limitMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(limitMs) * WaitLimitScale();
    for (;;) {
        DispatchPending();
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        IdleBriefly(20);
    }
}

void WaitFor(const std::function<bool()>& condition, const std::string& what, DWORD limitMs) {
    if (!WaitUntil(condition, limitMs)) Fail("timed out waiting for " + what);
}
