#include "bench_element_table.h"

#include <cstdio>

#include "geometry/clothoid_path.h"
#include "numeric/arithmetic.h"

std::string ElementTableText(int elements) {
    std::string text = "ELEMENTS Bench line\r\n";
    double PK = 12000, Y = 512345.678, X = 5412345.678, A = 0.5;
    char line[200];
    for (int i = 0; i < elements; ++i) {
        const double k = (i / 4) % 2 == 0 ? 1.0 / 800 : -1.0 / 800;
        const double R = 1 / k;
        double L = 0, k1 = 0, k2 = 0;
        const double AZ = A * 180 / PiTimes(1);
        switch (i % 4) {
        case 0:
            L = 200;
            std::snprintf(line, sizeof line, "STRAIGHT %.6f %.6f %.6f %.10f %.6f\r\n", PK, Y, X, AZ, L);
            break;
        case 1:
            L = 100, k2 = k;
            std::snprintf(line, sizeof line, "SPIRAL %.6f %.6f %.6f %.10f %.6f 0 %.6f\r\n", PK, Y, X, AZ, L, R);
            break;
        case 2:
            L = 150, k1 = k2 = k;
            std::snprintf(line, sizeof line, "ARC %.6f %.6f %.6f %.10f %.6f %.6f\r\n", PK, Y, X, AZ, L, R);
            break;
        default:
            L = 100, k1 = k;
            std::snprintf(line, sizeof line, "SPIRAL %.6f %.6f %.6f %.10f %.6f %.6f 0\r\n", PK, Y, X, AZ, L, R);
            break;
        }
        text += line;
        // The next start from the figures as written, as the reader will take them.
        double written[5];
        std::sscanf(line, "%*s %lf %lf %lf %lf %lf", &written[0], &written[1], &written[2], &written[3], &written[4]);
        const PathPoint end = PointOnPath(MakeClothoidPath(written[1], written[2], PiTimes(written[3]) / 180, L, k1, k2), L);
        PK += L, Y = end.Y, X = end.X, A = end.A;
    }
    std::snprintf(line, sizeof line, "END %.6f %.6f %.6f\r\n", PK, Y, X);
    return text + line;
}
