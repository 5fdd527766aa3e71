// One solve as the Solve command runs it after its checks: scaling, the
// solve under one key, the error figures. Shared by the benchmark loop and
// the numeric check.
#pragma once

#include "bench/polynomials.h"
#include "solver/solve_driver.h"
#include "solver/workspace.h"

// Keys: 0 Standard, 1 Parameter change, 2 Deflation, 3 both. Returns the
// scaling's SCALE_ALL_ZERO, or solve_equation's result (0 solved, 1 failed).
inline int bench_solve(const BenchPolynomial& p, int key)
{
    ws.param_change = key & 1;
    ws.deflation_mode = key >> 1;
    ws.degree = p.degree;
    for (int k = 0; k <= p.degree; ++k) {
        ws.coef_re[k] = p.re[k];
        ws.coef_im[k] = p.im[k];
    }
    if (scale_coefficients() != SCALE_OK) return SCALE_ALL_ZERO;
    for (int k = 0; k <= ws.degree; ++k) {
        ws.root_re[k] = ws.coef_re[k];
        ws.root_im[k] = ws.coef_im[k];
    }
    int result = solve_equation(nullptr, ws.degree);
    if (result == 0) compute_residuals();
    return result;
}
