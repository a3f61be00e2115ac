// Small string operations on the temporary-string ring. Every result is a ring
// buffer (see temp_string_ring.h): valid for the next 2,047 requests, never freed
// by the caller.
#pragma once

#include <initializer_list>

// The texts concatenated in order; null pointers are skipped.
char* JoinText(std::initializer_list<const char*> texts);

// A copy of s without its leading and trailing run of blanks: space, TAB, LF, VT
// and CR. Form feed and every other character stay.
char* TrimBlanks(const char* s);

// n spaces; the empty string for n < 1.
char* SpaceString(int n);

// The given character codes as a string, ending at the first zero code (at most ten).
char* CharString(std::initializer_list<int> codes);
