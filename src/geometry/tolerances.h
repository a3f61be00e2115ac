// Every tolerance of the elements of track and of the whole line, each with the
// reason for its value. Lengths are in the length unit of the coordinates (metres),
// angles in radians.
#pragma once

// Lengths that the formulas of an element should make equal come back equal only to
// within rounding: a picket typed for the end of a curve against the curve's own
// end picket, a run of pickets against its PK_to, a point on the normal at a join
// of two elements against both. On national grid coordinates (up to 10^7) one unit
// in the last place of a coordinate is 1.9e-9, and the formulas lose a few such
// units at most; 1e-9 lies above the rounding of the coordinates nearer the origin
// and far below the 1e-7 that the finest linear setting prints, so no value a
// report can show is moved by it. Used for:
//   - a picket this close to an end of a curve or spiral is set out at that end;
//   - a run of pickets lands on PK_to when its last picket lies this close to it;
//   - the bounds of each element's stretch and picket range on the whole line are
//     widened by it, so a point or picket at a join belongs to one of the two
//     elements, never to none.
constexpr double LengthTolerance = 1e-9;

// The arc length of a picket length on a spiral is found by Newton's method, which
// converges quadratically: once a step is below 1e-12 the next one would be below
// the rounding of the arc length itself (5.7e-14 for a spiral of 300), so the
// passes stop there, 10^5 below the finest printed decimal.
constexpr double ArcTolerance = 1e-12;

// A bend of the line that turns through less than this is taken as none: three
// points in a straight row give a turn of a few units in the last place of an angle
// (1e-15) from the rounding of their direction angles, a "turn" whose side is the
// rounding's and whose tangent R tan(Theta / 2) is nothing. 1e-9 lies far above that
// rounding and far below any bend a line is designed with (one second of arc is 4.8e-6).
constexpr double LeastTurn = 1e-9;

// The margin of the tests whether a radius lies in a circular curve's sector: eight
// units in the last place of a full turn (7.1e-15 rad). Each reduction by a full
// turn rounds by up to one such unit, and without the margin a point exactly on an
// end radius (the start point itself, on some curves) could be judged a hair outside.
constexpr double AngleRoundingMargin = 8 * 8.8817841970012523e-16;

// The foot point of a point on a spiral is settled once its abscissa moves by less
// than TimesTenToMinus7(1) (numeric/arithmetic.h), 1e-7 as the program has always
// computed it: the finest printed decimal, which the picket of the foot point then
// reaches.
