#include "text/temp_string_ring.h"

#include <cstdio>
#include <cstdlib>

TempStringRing TheTempStringRing;

TempStringRing::~TempStringRing() {
    for (char*& slot : slots_) {
        std::free(slot);
        slot = nullptr;
    }
}

char* TempStringRing::Request(std::size_t n) {
    current_ = (current_ + 1) & (SlotCount - 1);
    std::free(slots_[current_]);
    slots_[current_] = nullptr;
    char* buffer = (n > static_cast<std::size_t>(-1) - Spare) ? nullptr
                                                               : static_cast<char*>(std::calloc(n + Spare, 1));
    if (buffer == nullptr) {
        // Writing through a null result would corrupt memory; ending loudly is the safe choice.
        std::fputs("Quarel Editor: out of memory for a text buffer\n", stderr);
        std::exit(1);
    }
    slots_[current_] = buffer;
    return buffer;
}

char* TempString(long long n) {
    return TheTempStringRing.Request(n < 0 ? 0 : static_cast<std::size_t>(n));
}
