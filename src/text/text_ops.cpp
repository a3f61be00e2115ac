#include "text/text_ops.h"

#include <cstring>

#include "text/temp_string_ring.h"

char* JoinText(std::initializer_list<const char*> texts) {
    std::size_t total = 0;
    for (const char* s : texts)
        if (s != nullptr) total += std::strlen(s);
    char* result = TempString(static_cast<long long>(total));
    char* end = result;
    for (const char* s : texts) {
        if (s == nullptr) continue;
        std::size_t length = std::strlen(s);
        std::memcpy(end, s, length);
        end += length;
    }
    return result;
}

static bool IsTrimmedBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\r';
}

char* TrimBlanks(const char* s) {
    std::size_t begin = 0;
    std::size_t end = std::strlen(s);
    while (begin < end && IsTrimmedBlank(s[begin])) ++begin;
    while (end > begin && IsTrimmedBlank(s[end - 1])) --end;
    char* result = TempString(static_cast<long long>(end - begin));
    std::memcpy(result, s + begin, end - begin);
    return result;
}

char* SpaceString(int n) {
    if (n < 1) return TempString(1);
    char* result = TempString(n);
    std::memset(result, ' ', static_cast<std::size_t>(n));
    return result;
}

char* CharString(std::initializer_list<int> codes) {
    char* result = TempString(11);
    int i = 0;
    for (int code : codes) {
        if (code == 0 || i == 10) break;
        result[i++] = static_cast<char>(code);
    }
    return result;
}
