// The one generator of the property tests: a seeded stream of random inputs, the
// same on every machine for the same seed (its own splitmix64 and its own draws,
// not <random>'s distributions, whose results the standard leaves to each library).
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

class RandomInput {
public:
    // The stream of one input: the run's seed, the property and the input's number,
    // so that any single input can be produced again on its own.
    RandomInput(std::uint64_t seed, int property, long input)
        : state_(seed * 0x9E3779B97F4A7C15ull ^ (static_cast<std::uint64_t>(property) << 48) ^
                 static_cast<std::uint64_t>(input)) {
        Next();
    }

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1 (n > 0).
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    bool Percent(int p) { return Below(100) < p; }
    double Uniform(double lo, double hi) { return lo + (hi - lo) * static_cast<double>(Next() >> 11) * 0x1p-53; }

    // Any double: a random sign, any exponent (subnormals and INF/NaN among them,
    // each exponent equally likely) and a random or a short mantissa.
    double AnyDouble() {
        std::uint64_t sign = Next() & (1ull << 63);
        std::uint64_t exponent = static_cast<std::uint64_t>(Below(2048)) << 52;
        std::uint64_t mantissa = Next() >> 12;
        if (Percent(20)) mantissa &= ~0ull << 44; // few significant bits, as typed values have
        if (Percent(3)) mantissa = 0;
        std::uint64_t bits = sign | exponent | mantissa;
        double x;
        std::memcpy(&x, &bits, sizeof x);
        return x;
    }
    // The values at the edges: the huge, the tiny, both zeros, the infinities, NaN.
    double Extreme() {
        constexpr double inf = std::numeric_limits<double>::infinity();
        static const double values[] = {1e300, -1e300, 1e-300, -1e-300, 0.0, -0.0, inf, -inf,
                                        std::numeric_limits<double>::quiet_NaN(),
                                        std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                                        std::numeric_limits<double>::denorm_min(), 1e15, 1e-15};
        return values[Below(sizeof values / sizeof values[0])];
    }
    // A value of a survey: a coordinate of a national grid, a picket, a radius or a
    // spiral length, an offset or a level, to the millimetre or to full precision.
    double Geometry() {
        double v;
        switch (Below(4)) {
        case 0: v = site_ + Uniform(-800, 800); break;  // a coordinate near the site
        case 1: v = Uniform(0, 200000); break;          // a picket
        case 2: v = Uniform(20, 5000); break;           // a radius, a spiral length
        default: v = Uniform(-5, 5); break;             // an offset, a level, z, q
        }
        return Percent(50) ? std::round(v * 1000) / 1000 : v;
    }
    // Every kind mixed: mostly survey values, then the extremes, small whole
    // numbers (coinciding points, equal pickets) and any double.
    double Mixed() {
        int kind = Below(100);
        if (kind < 55) return Geometry();
        if (kind < 70) return Extreme();
        if (kind < 85) return Below(5) - 2;
        return AnyDouble();
    }
    // A value at or a few units in the last place beside a rounding edge of the
    // formats: half a unit of the n-th decimal (of a length, or of the seconds of
    // an angle in radians with the program's pi), where a carry runs into the whole
    // part, the minutes or the degrees.
    double NearRoundingEdge() {
        const int n = Below(8);
        const double unit = std::pow(10.0, -n);
        double v;
        if (Percent(50)) {
            double seconds = Percent(50) ? 60 - unit / 2 : (Below(60 * static_cast<int>(1 / unit)) + 0.5) * unit;
            v = ((Below(361) + Below(60) / 60.0) + seconds / 3600) * 3.1415926535897905 / 180;
        } else {
            v = (std::floor(Uniform(0, 1e6)) + (Percent(50) ? 1 - unit / 2 : unit / 2)) * (Percent(50) ? 1 : unit);
        }
        for (int k = Below(9) - 4; k != 0; k += k > 0 ? -1 : 1)
            v = std::nextafter(v, k > 0 ? INFINITY : -INFINITY);
        return Percent(50) ? -v : v;
    }
    // The text a user might type for v: "%.17g", fixed decimals, hexadecimal,
    // with blanks before or junk after it, a comma for the point, or nothing.
    std::string NumberText(double v) {
        char text[512];
        switch (Below(8)) {
        case 0: std::snprintf(text, sizeof text, "%.3f", v); break;
        case 1: std::snprintf(text, sizeof text, "%a", v); break;
        case 2: std::snprintf(text, sizeof text, "  %.6g", v); break;
        case 3: std::snprintf(text, sizeof text, "%.17g%s", v, Percent(50) ? "m" : ",5"); break;
        case 4: return Percent(50) ? std::string() : Bytes(Below(40), false);
        default: std::snprintf(text, sizeof text, "%.17g", v); break;
        }
        return text;
    }
    // n bytes, any value; CR, LF, Ctrl+Z, NUL and high bytes come often. Without
    // withNul no NUL appears (a window's text cannot hold one).
    std::string Bytes(std::size_t n, bool withNul) {
        static const char often[] = {'\r', '\n', 26, '\0', '\xFF', '\x80', 'a', ' ', '5', '.', 'e', '-'};
        std::string s(n, ' ');
        for (char& c : s) {
            c = Percent(50) ? often[Below(sizeof often)] : static_cast<char>(Next());
            if (c == '\0' && !withNul) c = '0';
        }
        return s;
    }
    // A length for a text: mostly short, sometimes up to 'longest'.
    std::size_t Length(std::size_t longest) {
        return Percent(90) ? static_cast<std::size_t>(Below(64)) : static_cast<std::size_t>(Next() % (longest + 1));
    }
    // A text as the editor holds it: CR LF line ends, lone CRs, any other byte but
    // NUL, LF and Ctrl+Z (the file format has no way to carry those inside a text).
    std::string EditorText() {
        std::string t;
        for (std::size_t n = Length(4000); t.size() < n;) {
            int kind = Below(10);
            if (kind < 3) {
                t += "\r\n";
            } else if (kind == 3) {
                t += '\r';
            } else {
                char c = static_cast<char>(Next());
                t += (c == '\0' || c == '\n' || c == 26) ? 'x' : c;
            }
        }
        return t;
    }

private:
    std::uint64_t state_;
    double site_ = 5400000.0;
};
