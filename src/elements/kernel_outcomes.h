// What the trace and set-out kernels of the elements of track say besides their
// numbers: whether a point was traced or set out, and if not, why not.
#pragma once

enum class TraceOutcome {
    Traced,
    Outside,    // the point lies off the element's stretch
    NotResolved // the spiral's foot point did not settle
};

enum class SetOutOutcome {
    SetOut,
    PicketOutside,     // the picket lies off the element
    OffsetBeyondCentre // the offset reaches or passes the circle's centre
};

// A point set out on an element: its coordinates when outcome is SetOut.
struct ElementSetOut {
    SetOutOutcome outcome;
    double Y, X;
};
