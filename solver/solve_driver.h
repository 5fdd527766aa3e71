// The keys to solution on top of the root finders: coefficient scaling,
// the solve driver with its failure messages, and the error figures.
#pragma once

#include "platform/ui.h"

constexpr int SCALE_OK = 1;
constexpr int SCALE_ALL_ZERO = 2;

// Lowers ws.degree to the last index i in 1..n whose coefficient is non-zero
// and returns 1; returns 0, degree unchanged, when coefficients 1..n are all
// zero. Coefficient 0 is not examined.
int trim_degree();

// Divides ws.coef_re/coef_im entries 0..n by M, the largest magnitude of any
// part (kept in ws.coef_scale), after saving them in saved_coef_re/im; parts
// below 1e-300 become 0. Sets ws.tolerance_divisor = min(1/m, 1e8) for the
// smallest non-zero part m. Returns SCALE_OK, or SCALE_ALL_ZERO when
// coefficients 1..n are (or become) all zero.
int scale_coefficients();

// Solves the scaled equation of degree n in ws.coef_re/coef_im by the key
// chosen with ws.param_change and ws.deflation_mode, or by simultaneous
// iteration when ws.simultaneous_iteration is set. Returns 0 with the n
// roots in coef_re/coef_im entries 0..n-1, or 1 after telling the user why
// not (the arrow cursor restored first).
int solve_equation(UiHandle owner, int n);

// Error figure of every root: the scaled polynomial (kept in ws.root_re/im)
// at the root, in double precision, times ws.coef_scale, into
// ws.error_re/error_im. ws.roots_accurate = 0 when a scaled residual part
// exceeds 1e-7 (or is not finite), else 1. Degree 1 and 2 give zeros.
void compute_residuals();

// In a deflation pass of degree j >= 3: of the j roots in ws.work_re/work_im
// entries 0..j-1, the index of the one with the smallest squared residual in
// the pass's polynomial p[0..j] (residual parts below 1e-300 count as 0);
// ties keep the lower index. When no squared residual is below 1e300 the
// smallest still wins (NaN counts as largest, the first on ties), so every
// pass chooses a root.
int choose_deflation_root(const long double* p_re, const long double* p_im, int j);

void show_no_convergence(UiHandle owner);
void show_too_large(UiHandle owner);
void show_unexpected_error(UiHandle owner);
void show_not_all_roots(UiHandle owner);
