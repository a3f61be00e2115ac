// The two precision settings: decimals of linear values and of the seconds of
// angles. They start at 4 and 2 with every run and are changed only by the
// Options dialog, which keeps them within these ranges.
#pragma once

extern int LinearDecimals;
extern int AngleDecimals;

constexpr int DefaultLinearDecimals = 4;
constexpr int DefaultAngleDecimals = 2;
constexpr int MinLinearDecimals = 2;
constexpr int MaxLinearDecimals = 7;
constexpr int MinAngleDecimals = 0;
constexpr int MaxAngleDecimals = 4;
