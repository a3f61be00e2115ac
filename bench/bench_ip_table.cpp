#include "bench_ip_table.h"

#include <cmath>
#include <cstdio>

std::string IpTableText(int ips) {
    std::string text = "START 12000.000 512345.678 5412345.678\r\n";
    double Y = 512345.678, X = 5412345.678, direction = 0.5;
    char line[160];
    for (int i = 0; i <= ips; ++i) {
        Y += 600 * std::sin(direction), X += 600 * std::cos(direction);
        if (i == ips) break;
        std::snprintf(line, sizeof line, "IP VU%d %.3f %.3f 800 100\r\n", i + 1, Y, X);
        text += line;
        direction += i % 2 == 0 ? 0.35 : -0.35;
    }
    std::snprintf(line, sizeof line, "END %.3f %.3f\r\n", Y, X);
    return text + line;
}
