// The finder's square root, and the Newton stopping test that hangs on it,
// decided from squared moduli alone whenever the outcome is certain; the
// slow iteration runs only when it is too close to call. Every outcome is the
// one the square roots give.
#pragma once

// Square root of x by Newton's iteration from above (r = x for x > 1, else 1;
// r = (x / r + r) / 2 while it keeps falling). 0 for 0, -1 for x < 0. It can
// differ from a library square root in the last bit; the finder relies on
// exactly this iteration.
long double ext_sqrt(long double x);

// The stopping test of the Newton search for a root of a[0..m]:
// ext_sqrt(s) / M <= tolerance for s the squared modulus of a step and M the
// bound of the search,
//   M = |a_0|; for k = 1..m: M = |a_k| when |a_k| > M,  |a| = ext_sqrt(re^2 + im^2),
// both fixed while the search lasts. M itself is worked out only for a step
// too close to call.
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
