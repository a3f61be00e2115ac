// The ring of temporary strings: every operation that returns a new string takes
// its result from here, and the caller never frees it. A result stays valid until
// 2,047 further requests have been served; keep a copy of anything needed longer.
#pragma once

#include <cstddef>

class TempStringRing {
public:
    static constexpr int SlotCount = 2048;
    static constexpr std::size_t Spare = 128;

    TempStringRing() = default;
    ~TempStringRing();
    TempStringRing(const TempStringRing&) = delete;
    TempStringRing& operator=(const TempStringRing&) = delete;

    // A zero-filled buffer of n + 128 bytes in the next slot; the buffer that slot
    // held before is freed. Never null: on exhausted memory the program ends with a
    // message on the standard error stream.
    char* Request(std::size_t n);

    int CurrentSlot() const { return current_; }
    const char* Slot(int index) const { return slots_[index]; }

private:
    char* slots_[SlotCount] = {};
    int current_ = 0;
};

// The program's one ring, used by all string operations.
extern TempStringRing TheTempStringRing;

// TempString(n): a zero-filled buffer of n + 128 bytes from the program's ring.
// Negative sizes count as 0.
char* TempString(long long n);
