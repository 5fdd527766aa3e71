// Decisions that hang on a square root by ext_sqrt, taken from its argument
// alone whenever the outcome is certain; the slow iteration runs only when
// the outcome is too close to call. Every result is the one ext_sqrt gives.
#pragma once

#include "solver/root_finder.h"

// The stopping test of a Newton step, ext_sqrt(s) / bound <= tolerance, for s
// the squared modulus of the step; bound and tolerance stay fixed per root.
struct StepTest {
    long double bound, tolerance;
    long double sure_accept;  // s at or below passes, whatever ext_sqrt's last bits
    long double sure_reject;  // s above fails
};

StepTest make_step_test(long double bound, long double tolerance);

inline bool step_converged(const StepTest& test, long double s)
{
    if (s <= test.sure_accept) return true;
    if (s > test.sure_reject) return false;
    return ext_sqrt(s) / test.bound <= test.tolerance;
}

// The bound of the Newton search over a[0..m]: the value of the scan
//   M = |a_0|; for k = 1..m: M = |a_k| when |a_k| > M
// with |a| = ext_sqrt(re^2 + im^2). NaN when |a_0| is; any other modulus that
// is NaN (a squared modulus beyond the range) never replaces M.
long double largest_modulus(const long double* re, const long double* im, int m);
