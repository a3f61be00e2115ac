// The one model of a line, whichever table gave it (an IP table or an element
// table): an ordered list of elements of track, each with its start station,
// start point, start direction, length and curvature at both ends, and with its
// kernels (the station and offset of a point, the point of a station and offset);
// the line's station equations, its cant along the stations, and what a plan marks
// besides the track. Trace, set-out, heights, the pictures and the reports read
// the line only through this model.
//
// Words:
//   station       the design station (picket) a user sees and types
//   equation      where the stations jump: those behind run to `back`, those ahead
//                 from `ahead`; where ahead < back a station occurs twice
//   internal      the distance along the line from its start plus the first station:
//                 equal to the station on a line without equations
//   curvature     1 / radius, positive curving right (the direction angle grows)
//   offset d      positive to the right of growing stations
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "elements/kernel_outcomes.h"
#include "geometry/track_straight.h"

enum class AlignmentElementKind { Straight, Arc, Spiral };

struct StationOffset {
    double PK, d;
};

// What an element of the line computes; each table's builder gives its elements
// their own kernels (the IP table's keep the conventions of its calculators, the
// element table's are true clothoids).
class ElementKernel {
  public:
    virtual ~ElementKernel() = default;
    // The station and offset of (Y, X) when the element's stretch holds it.
    virtual std::optional<StationOffset> Trace(double Y, double X) const = 0;
    // The point of station PK (within the element's set-out range, or brought into
    // it where the element clamps) and offset d.
    virtual ElementSetOut SetOut(double PK, double d) const = 0;
    // The point of the track at a station of the element's drawing range.
    virtual PlanePoint PointAtStation(double PK) const = 0;
    // The track as a polyline whose chords depart from it by at most `tolerance`.
    virtual std::vector<PlanePoint> Sample(double tolerance) const = 0;
};

struct AlignmentElement {
    AlignmentElementKind kind;
    std::string name;     // as a traced or set-out point's line names it
    std::string bandName; // as the chart of offsets names its band
    std::string curveName; // whose centre an offset may reach: "VU2", "ARC 3"
    // Station, point and direction (a direction angle) of the start; length along
    // the element; curvature at its start and end.
    double PK, Y, X, A, L, k1, k2;
    // The stations it sets out: from PK to PKend; a station just outside of them is
    // set out at the nearer end where the element clamps (the IP table's circle,
    // whose count from its ends differs from the spirals').
    double PKend;
    bool clamps = false;
    // The internal station of its start (its PK on a line without equations).
    double internal;
    // The stations over which it is drawn (and its band spans).
    double drawFrom, drawTo;
    std::shared_ptr<const ElementKernel> kernel;
};

struct StationEquation {
    double back, ahead;
    std::size_t element; // the first element ahead of it
};

struct CantRow {
    double PK, h;    // station; applied cant in millimetres
    double internal; // the station's internal station (SetCantRows fills it)
};

enum class MarkKind { End, Ip, MainPoint };

struct AlignmentMark {
    MarkKind kind;
    std::string label; // "START", "VU1", "NSK1", "ARC 3"...
    PlanePoint at;
    double PK = 0; // its design station (an IP's: its station along the tangents)
};

// Where the line begins and ends: station, point and the direction of the track
// there.
struct AlignmentEnd {
    double PK, Y, X, sinA, cosA;
};

class AlignmentIndex;

struct Alignment {
    std::string description; // "START-VU1-VU2-END" or the element table's name
    AlignmentEnd start, end;
    std::vector<AlignmentElement> elements;
    std::vector<StationEquation> equations;
    std::vector<CantRow> cant; // in station order, linear between rows, 0 outside
    std::vector<AlignmentMark> marks;
    std::vector<PlanePoint> tangentPolygon; // the IP table's START - IPs - END; empty otherwise
    // The boxes of the elements, by which a point's trace finds the elements near it
    // (IndexAlignment builds it once the elements are in place).
    std::shared_ptr<const AlignmentIndex> index;
};

// Gives the line its cant rows, each with its internal station.
void SetCantRows(Alignment& line, std::vector<CantRow> rows);

// Whether the line has a cant anywhere.
bool AlignmentHasCant(const Alignment& line);
// The applied cant in millimetres at the station: linear between the rows around
// it (along the line, across an equation), the row's own at a row, 0 before the
// first row and after the last.
double DesignCant(const Alignment& line, double PK);

// The internal station of a design station (on the first place it occurs); none
// for a station on no element (in the gap of an equation, before the start, past
// the end).
std::optional<double> InternalStation(const Alignment& line, double PK);

// The places where a station lies: for each stretch between equations that holds
// it, the element that sets it out (the first whose range reaches it; a station
// between two elements' ranges goes to the one that clamps). Empty when none does.
struct StationPlace {
    std::size_t element;
    double PK; // brought into the element's range where it clamps
};
std::vector<StationPlace> PlacesOfStation(const Alignment& line, double PK);

// The point of the track at a station (the first place it occurs), by the element
// whose drawing range holds it; none off the line.
std::optional<PlanePoint> PointAtStation(const Alignment& line, double PK);
