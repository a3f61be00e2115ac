// The round numbers of a drawing: the scale of a printed plan (1:N), the interval of
// its coordinate grid and of a chart's axis ticks, and how their values are written.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The least N of the form 1, 2, 2.5 or 5 times a power of ten that is not below
// `least` (a plan drawn at 1:N then fits where 1:least just fits). 1 for a least
// that is not a positive finite number.
double RoundScaleDenominator(double least);

// The most grid lines (or ticks) a drawing shows across.
constexpr int MostGridLines = 10;
// The least interval of the form 1, 2 or 5 times a power of ten at which [lo, hi]
// holds at most MostGridLines multiples of it; at that interval it holds at least
// 4 (the next smaller one held more than 10, and the steps are at most 2.5 times).
// 1 for a span that is empty or not finite.
double GridInterval(double lo, double hi);
// The largest length of the form 1, 2 or 5 times a power of ten that is not above
// `most` (a scale bar's); 1 for a most that is not a positive finite number.
double RoundLengthAtMost(double most);
// The multiples of interval within [lo, hi], from the lowest (at most MostGridValues).
constexpr std::size_t MostGridValues = 1000000;
std::vector<double> GridValues(double lo, double hi, double interval);

// A grid value written with as many decimals as the interval needs ("2600",
// "12.5", "0.02"), never "-0".
std::string GridValueText(double value, double interval);
// "1:2500", "1:2.5".
std::string ScaleText(double denominator);
