// Simultaneous iteration: all roots of a polynomial at once, each
// approximation corrected against all the others, in extended precision, in
// place in ws.work_re / ws.work_im.
#pragma once

// Solves a_0 x^n + a_1 x^(n-1) + ... + a_n = 0, 1 <= n <= 29, where a_k is
// (ws.work_re[k], ws.work_im[k]), a_0 and a_n not zero. Degree 1 by formula;
// from degree 2 the Aberth-Ehrlich iteration from starting circles whose
// radii follow the sizes of the coefficients, finished near each root with
// values compensated to twice the precision and a last Newton step.
// Returns ROOTS_OK with the n roots in entries 0..n-1, or
// ROOTS_NO_CONVERGENCE when some root has not settled within the sweep cap
// or a value left the finite numbers; nothing is then to be read from the
// arrays.
int find_roots_simultaneously(int n);
