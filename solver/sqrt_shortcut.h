// Decisions that hang on a square root by ext_sqrt, taken from its argument
// alone whenever the outcome is certain; the slow iteration runs only when
// the outcome is too close to call. Every result is the one ext_sqrt gives.
#pragma once

#include "solver/root_finder.h"

// The stopping test of the Newton search for a root of a[0..m]:
// ext_sqrt(s) / M <= tolerance for s the squared modulus of a step and M the
// bound below, both fixed while the search lasts. M itself is worked out only
// for a step too close to call.
struct StepTest {
    const long double *re, *im;
    int m;
    long double tolerance;
    long double sure_accept;  // s at or below passes, whatever ext_sqrt's last bits
    long double sure_reject;  // s above fails
    bool bound_known;
    long double bound;
};

// False, and no step can pass, when M is not finite (|a_0| is NaN).
bool make_step_test(const long double* re, const long double* im, int m, long double tolerance, StepTest& test);

// The test for a step too close to call: M, then the quotient.
bool step_converged_exactly(StepTest& test, long double s);

inline bool step_converged(StepTest& test, long double s)
{
    if (s <= test.sure_accept) return true;
    if (s > test.sure_reject) return false;
    return step_converged_exactly(test, s);
}

// The bound of the Newton search over a[0..m]: the value of the scan
//   M = |a_0|; for k = 1..m: M = |a_k| when |a_k| > M
// with |a| = ext_sqrt(re^2 + im^2). NaN when |a_0| is; any other modulus that
// is NaN (a squared modulus beyond the range) never replaces M.
long double largest_modulus(const long double* re, const long double* im, int m);
