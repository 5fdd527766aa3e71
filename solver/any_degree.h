// The fifth key at any degree: an equation whose coefficients come at full
// precision (not from the grid), solved by simultaneous iteration, with the
// error figures and the large-error warning the key gives in the window.
#pragma once

#include <vector>

struct AnyDegreeSolution {
    // Each value rounded once to double; n entries for an equation of degree n.
    std::vector<double> root_re, root_im, error_re, error_im;
    bool large_error;  // a scaled residual part beyond the window's tolerance
};

enum class AnyDegreeResult { Solved, NoConvergence, TooLarge };

// Solves c_0 + c_1 X + ... + c_m X^m = 0, c_k = (c_re[k], c_im[k]), parts
// finite, count = m + 1 values. Zero coefficients of the highest powers are
// dropped, giving degree n; some c_k with 1 <= k <= n must be non-zero.
// Zero coefficients of the lowest powers, X^z factored out, give z exact
// zero roots, listed first. The rest is divided by a power of two (exact),
// solved by simultaneous iteration, and its roots kept as the window keeps
// them (parts below 1e-300 are 0). The error figure of a root is the
// polynomial divided by its largest part, rounded to doubles, at the root,
// times that part; degree 1 and 2 give zeros, as in the window; a scaled
// residual part beyond base_tolerance is a large error.
// Returns Solved with *solution filled, NoConvergence, or TooLarge when a
// root part lies beyond +-1e300.
AnyDegreeResult solve_any_degree(const long double* c_re, const long double* c_im, int count,
                                 double base_tolerance, AnyDegreeSolution* solution);
