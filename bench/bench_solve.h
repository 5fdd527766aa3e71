// One solve as the Solve command runs it after its checks -- the solve
// pipeline under one key. Shared by the benchmark loop and the numeric check.
#pragma once

#include "bench/polynomials.h"
#include "solver/solve_driver.h"
#include "solver/workspace.h"

inline SolveResult bench_solve(const BenchPolynomial& p, SolveKey key)
{
    set_workspace_key(key);
    ws.degree = p.degree;
    for (int k = 0; k <= p.degree; ++k) {
        ws.coef_re[k] = p.re[k];
        ws.coef_im[k] = p.im[k];
    }
    return solve_pipeline(nullptr);
}

// A result as the benchmark's tables print it: 0 solved (roots and error
// figures in ws), 1 failed, or the scaling's SCALE_ALL_ZERO (2) for an
// equation the checks of the scaled equation refuse.
inline int result_number(SolveResult result)
{
    switch (result) {
    case SolveResult::Solved: return 0;
    case SolveResult::AllZero:
    case SolveResult::ConstantTermZero:
    case SolveResult::HighestDegreeZero: return SCALE_ALL_ZERO;
    default: return 1;
    }
}
