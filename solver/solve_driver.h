// The keys to solution on top of the root finders: coefficient scaling, the
// solve under a key, the error figures, and the pipeline that runs them in
// turn for every front end.
#pragma once

#include "solver/texts.h"

// The scaling's numbered result codes, as the root finder has its own
// (ROOTS_OK 0, ROOTS_NO_CONVERGENCE 998); every other answer here is true for
// done, or a SolveResult.
constexpr int SCALE_OK = 1;
constexpr int SCALE_ALL_ZERO = 2;

// The keys to solution: the settings dialog's four in its order, then the
// fifth, simultaneous iteration, which only drovu-solve offers.
enum class SolveKey { Standard, ParamChange, Deflation, ParamDeflation, Simultaneous };
constexpr int kSolveKeys = 5;

// The key ws.param_change, ws.deflation_mode and ws.simultaneous_iteration
// name, and the settings that name key.
SolveKey workspace_key();
void set_workspace_key(SolveKey key);

// How a solve ended: solved, a refusal that only the scaled equation shows,
// or a failure of the solver with its own message.
enum class SolveResult {
    Solved,
    AllZero,            // every coefficient but the highest one is (or became) zero
    ConstantTermZero,   // the scaling cleared the constant term
    HighestDegreeZero,  // the scaling cleared the leading coefficient
    NoConvergence,
    TooLarge,
    Unexpected,
    NotAllRoots,
};

// The message of a failure of the solver (NoConvergence .. NotAllRoots).
const TextPair& failure_text(SolveResult result);

// A polynomial a_0 x^n + ... + a_n in solver order, a_k = (re[k], im[k]),
// scaled so that its largest part is 1.
struct ScaledPolynomial {
    const double* re;
    const double* im;
    int n;
};

// What the simultaneous iteration starts from beside the scaled polynomial:
// the coefficients before scaling, as doubles and as typed (extended), and
// the scale M they were divided by.
struct UnscaledCoefficients {
    const double* re;
    const double* im;
    const long double* typed_re;
    const long double* typed_im;
    double scale;
};

// Solves p under key, Newton's steps stopping at tolerance. Solved with the
// n roots in root_re/root_im (parts below 1e-300 made 0), or the failure;
// root_re/root_im are then not to be read.
SolveResult solve_polynomial(const ScaledPolynomial& p, const UnscaledCoefficients& unscaled, SolveKey key,
                             long double tolerance, double* root_re, double* root_im);

// The error figures of the roots z[0..n-1] of p: p at each root in double
// precision, times scale, into error_re/error_im (a figure beyond the doubles
// is an infinity). Returns false when a scaled residual part exceeds
// base_tolerance (or is not finite). Degree 1 and 2 give zeros.
bool error_figures(const ScaledPolynomial& p, const double* z_re, const double* z_im, double scale,
                   double base_tolerance, double* error_re, double* error_im);

// Lowers ws.degree to the last index i in 1..n whose coefficient is non-zero
// and returns true; false, degree unchanged, when coefficients 1..n are all
// zero. Coefficient 0 is not examined.
bool trim_degree();

// Divides ws.coef_re/coef_im entries 0..n by M, the largest magnitude of any
// part (kept in ws.coef_scale), after saving them in saved_coef_re/im; parts
// below 1e-300 become 0. Sets ws.tolerance_divisor = min(1/m, 1e8) for the
// smallest non-zero part m. Returns SCALE_OK, or SCALE_ALL_ZERO when
// coefficients 1..n are (or become) all zero.
int scale_coefficients();

// solve_polynomial on the scaled equation of degree n in ws.coef_re/coef_im
// under the workspace's key; once solved, the n roots replace the
// coefficients in entries 0..n-1.
SolveResult solve_equation(int n);

// error_figures of the roots in ws.coef_re/coef_im for the scaled polynomial
// kept in ws.root_re/im, into ws.error_re/error_im and ws.roots_accurate.
void compute_residuals();

// The solve as every front end runs it, on the checked coefficients in
// ws.coef_re/coef_im entries 0..ws.degree: scale_coefficients and the checks
// of the scaled equation, then -- after on_solving, where the window puts up
// its hourglass -- solve_equation and compute_residuals. Solved leaves the
// roots and figures in ws as those two do.
SolveResult solve_pipeline(void (*on_solving)());

// In a deflation pass of degree j >= 3: of the j roots z[0..j-1], the index
// of the one with the smallest squared residual in the pass's polynomial
// p[0..j] (residual parts below 1e-300 count as 0); ties keep the lower
// index. When no squared residual is below 1e300 the smallest still wins
// (NaN counts as largest, the first on ties), so every pass chooses a root.
int choose_deflation_root(const long double* p_re, const long double* p_im, int j, const long double* z_re,
                          const long double* z_im);
