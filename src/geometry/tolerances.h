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

// Two elements that both hold a point trace it at offsets that differ only by their
// rounding where they meet (a join's normal, the sliver between a spiral's end and
// the circle's start); such offsets are one, and the earlier element in line order
// traces the point. A hundredth of a millimetre lies far above those differences
// and far below what a survey resolves, and the choice no longer follows the
// number of decimals the reports print.
constexpr double SameOffsetTolerance = 1e-5;

// The boxes in which the trace looks up the elements near a point hold each
// element's track sampled within this, widened by it and by IndexMargin: the track
// lies within the box, and an element's offset of a point is never less than the
// point's distance from the box.
constexpr double IndexSampleTolerance = 0.01;
constexpr double IndexMargin = 0.01;

// The joints of a line given as a table of elements: a start point within this of
// the previous element's computed end, or an END within it of the last element's,
// is kept as written (designs from other software carry sub-millimetre gaps); a row
// whose station lies within it of the previous row's station plus length keeps its
// own station, and beyond it the stations jump there (an equation). A point within
// it beyond an element's end is still that element's: the sub-millimetre gaps and
// the wedges between the normals at a small kink hold no point of either element.
constexpr double JointTolerance = 1e-3;

// A change of direction at a joint of a table of elements above this (one second of
// arc) is a kink and is noted; below it, it is the rounding of the table's figures.
constexpr double LeastKink = 4.84813681109536e-6;
// ---- What a design or a survey can hold ----
// The readers of tables and point lines refuse a value beyond these, with a reason,
// so that no report prints a number no track can have, nor the NAN or INF that
// the arithmetic makes of it. Each lies far beyond any real track and far within
// what the formulas compute soundly.

// A coordinate or a picket: national grids and their false origins stay below 10^8 m
// (a zone prefix included); 10^9 m is beyond any ground, and the square of a
// distance between two such points (4e18) is far from overflowing.
constexpr double FarthestCoordinate = 1e9;

// A level: the ground of the earth lies between -430 m and 8,849 m, and a local
// datum shifts it by little; 10^5 m is beyond any, and the grade between two levels
// (their difference over a picket length) can then never overflow.
constexpr double HighestLevel = 1e5;

// The radius of a circular curve: the tightest track (a tram's turning loop) bends
// at some 12 m; below 1 m a radius is a slip of the keyboard (R = 1e-10 makes the
// curve's middle point 0/0). Above 10^9 m a curve is a straight.
constexpr double LeastRadius = 1;
constexpr double MostRadius = 1e9;

// The length of a transition spiral that ramps a cant: the shortest laid on track
// are some metres long; below 1 m the ramp (the cant over the length) would read in
// the thousands of mm per metre (1e-15 m made it 9e16).
constexpr double LeastSpiralLength = 1;

// A cant, in millimetres: the steepest cant of any gauge stays below 200 mm; 1,000 mm
// is beyond any, and its ramp over a spiral of LeastSpiralLength stays finite.
constexpr double MostCant = 1000;

// A vertical curve's radius: the flattest designed are some 10^5 m; beyond 10^9 m a
// curve is no curve, and its tangents (Rv times half the change of grade) stay finite.
constexpr double MostVerticalRadius = 1e9;
