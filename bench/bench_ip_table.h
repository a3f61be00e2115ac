// The IP table the benchmarks of the whole line read: a zigzag route on grid
// coordinates, legs of 600 m, bends of 20 degrees either way, R 800 m, spirals of
// 100 m; lines end CR LF.
#pragma once

#include <string>

std::string IpTableText(int ips);
