// The element table the benchmarks of the whole line read: on grid coordinates, by
// turns a straight of 200 m, a clothoid of 100 m into an arc of R 800 m over 150 m and
// a clothoid of 100 m out of it, bending either way; each element's start computed
// from the one before; lines end CR LF.
#pragma once

#include <string>

std::string ElementTableText(int elements);
