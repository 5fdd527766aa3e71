// The root finder: all roots of a polynomial with complex coefficients, in
// extended precision, in place in ws.work_re / ws.work_im.
#pragma once

constexpr int ROOTS_OK = 0;
constexpr int ROOTS_NO_CONVERGENCE = 998;

// Square root of x by Newton's iteration from above (r = x for x > 1, else 1;
// r = (x / r + r) / 2 while it keeps falling). 0 for 0, -1 for x < 0. It can
// differ from a library square root in the last bit; the finder relies on
// exactly this iteration.
long double ext_sqrt(long double x);

// Solves a_0 x^n + a_1 x^(n-1) + ... + a_n = 0, 1 <= n <= 29, where a_k is
// (ws.work_re[k], ws.work_im[k]): entry 0 multiplies the highest power.
// Degree 1 and 2 by formula; from degree 3 Newton from -i with deflation, in
// the variable 1/x when ws.param_change is set.
// Returns ROOTS_OK with the roots in entries 0..n-1 (entry n-1 the first one
// found, entry 0 the root of the last linear factor), or ROOTS_NO_CONVERGENCE
// when a root needs more than 1000 Newton steps or a step would divide by
// zero or leave the finite numbers; nothing is then to be read from the arrays.
int find_roots(int n);
