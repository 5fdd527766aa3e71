// The root finder: all roots of a polynomial with complex coefficients, in
// extended precision, in place in the arrays it is given.
#pragma once

constexpr int ROOTS_OK = 0;
constexpr int ROOTS_NO_CONVERGENCE = 998;

// The finder's options: the variable 1/x, and Newton's stopping tolerance.
struct FinderOptions {
    bool param_change;
    long double tolerance;
};

// Solves a_0 x^n + a_1 x^(n-1) + ... + a_n = 0, 1 <= n <= 29, where a_k is
// (a_re[k], a_im[k]): entry 0 multiplies the highest power.
// Degree 1 and 2 by formula; from degree 3 Newton from -i with deflation, in
// the variable 1/x when options.param_change is set, until a step satisfies
// |delta| / M <= options.tolerance.
// Returns ROOTS_OK with the roots in entries 0..n-1 (entry n-1 the first one
// found, entry 0 the root of the last linear factor), or ROOTS_NO_CONVERGENCE
// when a root needs more than 1000 Newton steps or a step would divide by
// zero or leave the finite numbers; nothing is then to be read from the arrays.
int find_roots(long double* a_re, long double* a_im, int n, const FinderOptions& options);

// find_roots on ws.work_re/work_im with the workspace's parameter change and
// the tolerance ws.base_tolerance / ws.tolerance_divisor.
int find_roots(int n);
