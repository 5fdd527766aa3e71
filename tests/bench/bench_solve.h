// One solve as the Solve command runs it after its checks, shared by the
// Google Benchmark program and the Windows timing loop.
#pragma once

#include "solver/root_finder.h"
#include "solver/solve_driver.h"
#include "solver/workspace.h"
#include "tests/bench/polynomials.h"

// Keys: 0 Standard, 1 Parameter change, 2 Deflation, 3 both.
inline int bench_solve(const BenchPolynomial& p, int key)
{
    ws.param_change = key & 1;
    ws.deflation_mode = key >> 1;
    ws.degree = p.degree;
    for (int k = 0; k <= p.degree; ++k) {
        ws.coef_re[k] = p.re[k];
        ws.coef_im[k] = p.im[k];
    }
    if (scale_coefficients() != SCALE_OK) return -1;
    for (int k = 0; k <= ws.degree; ++k) {
        ws.root_re[k] = ws.coef_re[k];
        ws.root_im[k] = ws.coef_im[k];
    }
    int result = solve_equation(nullptr, ws.degree);
    if (result == 0) compute_residuals();
    return result;
}

// find_roots alone on the scaled polynomial, Standard key.
inline int bench_find_roots(const BenchPolynomial& p)
{
    ws.param_change = 0;
    ws.tolerance_divisor = 1;
    for (int k = 0; k <= p.degree; ++k) {
        ws.work_re[k] = p.re[k];
        ws.work_im[k] = p.im[k];
    }
    return find_roots(p.degree);
}
