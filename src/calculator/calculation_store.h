// The store of persisted calculator values: one double per input of the
// calculators, and the names of the points PZ and Rp. A value lives for the whole
// run; several calculators show the same value under their own labels, so a value
// typed in one dialog is offered by the others at their next opening.
#pragma once

#include <string>

enum class StoredValue : int {
    PK_A,    // PK_A, PK_nk of the circular trace, PK_nkk of the spiral trace
    Y_A,     // Y_A, Y_nk, Y_nkk
    X_A,     // X_A, X_nk, X_nkk
    PK_B,    // PK_B, PK_kk
    Y_B,     // Y_B, Y_kk
    X_B,     // X_B, X_kk
    PK_line, // spiral trace only
    Y_lin,
    X_lin,
    Y_ck,    // circular and spiral traces
    X_ck,
    R_kk,    // R_kk of the traces, R of the circular rail level
    z_trace, // z of the circular trace; the spiral trace stores its "(Z)=" here
    q,
    L_sk,
    Y_pz,    // the surveyed point of the three traces
    X_pz,
    d_A,     // rail-level values of the three rail calculators
    m_A,
    d_B,
    m_B,
    z_rail,  // z of the circular rail level (not the trace's z)
    PKnsk,   // computed by the spiral trace, input of the spiral rail level
    C,       // computed by the spiral trace, input of the spiral rail level
    Pk_rp,
    m_rp,
    B_rl,    // 0.76 at start
    PK_so,   // the point to set out and the run of pickets of the three set-out calculators
    d_so,
    PK_to,
    step,
    withMainPoints, // Set out on the line: 1 when main points are set out among the pickets
    Count
};

enum class StoredName : int { PZ, Rp };

struct CalculationStore {
    double values[static_cast<int>(StoredValue::Count)];
    std::string pzName;
    std::string rpName;

    CalculationStore() { Reset(); }
    // Start values: every value 0 except B_rl 0.76, names empty.
    void Reset();

    double& operator[](StoredValue v) { return values[static_cast<int>(v)]; }
    double operator[](StoredValue v) const { return values[static_cast<int>(v)]; }
    std::string& Name(StoredName n) { return n == StoredName::PZ ? pzName : rpName; }
    const std::string& Name(StoredName n) const { return n == StoredName::PZ ? pzName : rpName; }
};

// The program's one store, shared by all calculation dialogs.
extern CalculationStore TheCalculationStore;
