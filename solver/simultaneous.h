// Simultaneous iteration: all roots of a polynomial at once, each
// approximation corrected against all the others, in extended precision.
#pragma once

// Solves a_0 x^n + a_1 x^(n-1) + ... + a_n = 0 for any n >= 1, where a_k is
// (a_re[k], a_im[k]), a_0 and a_n not zero and every part finite. Degree 1
// by formula; from degree 2 the Aberth-Ehrlich iteration from starting
// circles whose radii follow the sizes of the coefficients, finished near
// each root with values compensated to twice the precision and a last
// Newton step. Memory O(n), work O(n^2) per sweep.
// Returns ROOTS_OK with the n roots in z_re/z_im entries 0..n-1, or
// ROOTS_NO_CONVERGENCE when some root has not settled within the sweep cap
// or a value left the finite numbers; nothing is then to be read from z.
int simultaneous_roots(const long double* a_re, const long double* a_im, int n, long double* z_re,
                       long double* z_im);

// The same for the equation in ws.work_re / ws.work_im (1 <= n <= 29), the
// roots in place in entries 0..n-1.
int find_roots_simultaneously(int n);
