// ext_sqrt, and the Newton stopping test without a square root where its
// outcome is certain.
//
// Why ext_sqrt stays within 2^-62 of the true root. Write u = 2^-64 for the
// rounding unit of the extended format (round to nearest, 64-bit
// significand), s > 0 finite, y = sqrt(s) (y >= 2^-8223, a normal number
// even for the smallest subnormal s), and one step of ext_sqrt as
//   r' = fl(fl(s / r) + r) * 0.5      (the halving is exact: r' is normal).
// A. Every step lands at or above y(1 - 2u): r' >= (s/r + r)(1 - u)^2 / 2 >=
//    y(1 - u)^2, because (s/r + r) / 2 >= y. (While r is far above y, s / r
//    may be subnormal; its absolute error, below 2^-16445, is negligible
//    beside u·y.)
// B. A step from r = y·t with t > 1 + 3u goes down: r' <= (1/t + t)(1 + u)^2
//    y / 2 < y·t, as 1/t^2 < 2/(1 + u)^2 - 1 = 1 - 4u + O(u^2). So the
//    iteration, which stops at the first step that does not go down, stops
//    from some r with y(1 - 2u) <= r <= y(1 + 3u) (the start max(s, 1) is
//    not below y).
// C. That last step gives r' <= y(1 + (t - 1)^2 / (2t))(1 + u)^2 < y(1 + 3u).
// So y(1 - 2u) <= ext_sqrt(s) <= y(1 + 3u): within y·d, d = 4u = 2^-62, of
// y. ext_sqrt(0) = 0; for s = +inf and NaN it gives NaN.
#include "solver/ext_sqrt.h"

#include <cfloat>
#include <cmath>

long double ext_sqrt(long double x)
{
    if (x == 0) return 0;
    if (x < 0) return -1;
    long double r = x > 1 ? x : 1;
    // Far from the root a step only halves r. For x in [2^(e-1), 2^e): from
    // r = x·2^-k (x > 1) the quotient x / r = 2^k is below half an ulp of r
    // while 2k < e - 65, and from r = 2^-k (x < 1) the quotient x·2^k is
    // while 2k <= -e - 64; then x / r + r rounds to r and the step gives
    // exactly r / 2. Those steps are taken at once, with six to spare: from
    // x = 1e4000 that saves 6,600 divisions, and the result is the same.
    if (x <= LDBL_MAX) {
        int e;
        std::frexp(x, &e);
        const int halvings = ((x > 1 ? e : -e) - 70) / 2;
        if (halvings > 0) r = std::ldexp(r, -halvings);
    }
    long double previous;
    do {
        previous = r;
        r = (x / r + r) * 0.5L;
    } while (previous > r);
    return r;
}

// 2^-56: the margin of the shortcut below, far wider than the 2^-62 of
// ext_sqrt plus the few roundings of the shortcut's own arithmetic.
static constexpr long double kMargin = 0x1p-56L;

// M by its definition. NaN when |a_0| is; any other modulus that is NaN (a
// squared modulus beyond the range) never replaces M.
static long double largest_modulus(const long double* re, const long double* im, int m)
{
    long double bound = ext_sqrt(re[0] * re[0] + im[0] * im[0]);
    for (int k = 1; k <= m; ++k) {
        const long double size = ext_sqrt(re[k] * re[k] + im[k] * im[k]);
        if (size > bound) bound = size;
    }
    return bound;
}

// The step passes when fl(ext_sqrt(s) / M) <= t. M is the largest of the
// moduli ext_sqrt(s_k) of the coefficients whose squares s_k are finite, so
// for L the largest of those squares sqrt(L)(1 - d) <= M <= sqrt(L)(1 + d).
// Division rounded to nearest is monotone: the step passes surely when
// ext_sqrt(s) <= t·sqrt(L)(1 - d), i.e. when s <= t^2 L (1 - d)^2 / (1 + d)^2;
// it fails surely when ext_sqrt(s) / M > t(1 + 2u) >= the successor of t, i.e.
// when s > t^2 L (1 + d)^2 (1 + 2u)^2 / (1 - d)^2. Q = fl(fl(t·t)·L) lies within
// t^2 L (1 -+ u)^2; times (1 -+ 2^-56), rounded once more, it lands inside
// both limits: (1 + u)^3 (1 - 2^-56) < (1 - d)^2 / (1 + d)^2 and
// (1 - u)^3 (1 + 2^-56) > (1 + d)^2 (1 + 2u)^2 / (1 - d)^2. Out of the normal
// range (an overflowing product, a subnormal one) nothing is sure and every
// step takes the exact test.
bool make_step_test(const long double* re, const long double* im, int m, long double tolerance, StepTest& test)
{
    test = StepTest{re, im, m, tolerance, -1, HUGE_VALL, false, 0};
    long double largest = re[0] * re[0] + im[0] * im[0];
    // ext_sqrt(+inf) and ext_sqrt(NaN) are NaN, and so is M then.
    if (!(largest <= LDBL_MAX)) return false;
    for (int k = 1; k <= m; ++k) {
        const long double square = re[k] * re[k] + im[k] * im[k];
        if (square > largest && square <= LDBL_MAX) largest = square;
    }
    const long double tt = tolerance * tolerance, q = tt * largest;
    if (tt >= LDBL_MIN && q >= LDBL_MIN && q * (1 + kMargin) <= LDBL_MAX) {
        test.sure_accept = q * (1 - kMargin);
        test.sure_reject = q * (1 + kMargin);
    }
    return true;
}

bool step_converged_exactly(StepTest& test, long double s)
{
    if (!test.bound_known) {
        test.bound = largest_modulus(test.re, test.im, test.m);
        test.bound_known = true;
    }
    return ext_sqrt(s) / test.bound <= test.tolerance;
}
