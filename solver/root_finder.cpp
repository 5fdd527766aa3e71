// The root finder, in extended precision (x87, 64-bit significand); every
// complex operation rounds where solver/ext_complex.h writes it, in both
// builds.
#include "solver/root_finder.h"

#include <cfloat>
#include <cmath>

#include "solver/ext_complex.h"
#include "solver/ext_sqrt.h"
#include "solver/workspace.h"

static_assert(LDBL_MANT_DIG == 64, "the finder needs the x87 extended format");

constexpr int kMaxNewtonSteps = 1000;

// Degree 1: entry 0 = -(a_1 / a_0).
static int solve_linear(ext* a_re, ext* a_im)
{
    ext re, im;
    if (!quotient(a_re[1], a_im[1], a_re[0], a_im[0], re, im)) return ROOTS_NO_CONVERGENCE;
    a_re[0] = -re;
    a_im[0] = -im;
    return ROOTS_OK;
}

// Degree 2: normalise, then (-b +- s) / 2 with s the principal root of the
// discriminant b^2 - 4c; entry 1 takes +s, entry 0 takes -s.
static int solve_quadratic(ext* a_re, ext* a_im)
{
    const ext c_re = a_re[0], c_im = a_im[0];
    for (int k = 0; k <= 2; ++k)
        if (!quotient(a_re[k], a_im[k], c_re, c_im, a_re[k], a_im[k])) return ROOTS_NO_CONVERGENCE;

    ext b_re = a_re[1], b_im = a_im[1];
    ext sq_re, sq_im;
    mul(b_re, b_im, b_re, b_im, sq_re, sq_im);
    ext four_c_re, four_c_im;
    mul(4, 0, a_re[2], a_im[2], four_c_re, four_c_im);
    ext disc_re = sq_re - four_c_re, disc_im = sq_im - four_c_im;

    ext r = ext_sqrt(norm2(disc_re, disc_im));
    ext h1 = (r + disc_re) * 0.5L;
    if (h1 < 0) h1 = 0;
    ext h2 = (r - disc_re) * 0.5L;
    if (h2 < 0) h2 = 0;
    ext s_re = ext_sqrt(h1);
    ext s_im = ext_sqrt(h2);
    if (disc_im < 0) s_im = -s_im;

    // Twice the normalised leading coefficient.
    ext two_re = 2 * a_re[0], two_im = 2 * a_im[0];
    ext plus_re, plus_im, minus_re, minus_im;
    if (!quotient(-b_re + s_re, -b_im + s_im, two_re, two_im, plus_re, plus_im) ||
        !quotient(-b_re - s_re, -b_im - s_im, two_re, two_im, minus_re, minus_im))
        return ROOTS_NO_CONVERGENCE;
    a_re[1] = plus_re;
    a_im[1] = plus_im;
    a_re[0] = minus_re;
    a_im[0] = minus_im;
    return ROOTS_OK;
}

// Newton's method from -i on the monic polynomial a[0..m]: the root in z.
// Accepted when the step just taken satisfies |delta| / M <= tolerance.
static int newton_root(const ext* a_re, const ext* a_im, int m, ext tolerance, ext& z_re, ext& z_im)
{
    StepTest test;
    if (!make_step_test(a_re, a_im, m, tolerance, test)) return ROOTS_NO_CONVERGENCE;

    // The derivative's coefficients (m - k)·a_k, the very products the
    // derivative's Horner scheme forms, once per root instead of every step.
    ext da_re[kRows], da_im[kRows];
    ext f = m;
    for (int k = 0; k < m; ++k, f = f - 1) {
        da_re[k] = f * a_re[k];
        da_im[k] = f * a_im[k];
    }
    z_re = 0;
    z_im = -1;
    for (int steps = 0;;) {
        // p and p' by Horner's scheme side by side: two independent chains
        // the processor overlaps, each rounded exactly as on its own.
        ext p_re = a_re[0], p_im = a_im[0];
        ext d_re = da_re[0], d_im = da_im[0];
        for (int k = 1; k < m; ++k) {
            horner_step(p_re, p_im, z_re, z_im, a_re[k], a_im[k]);
            horner_step(d_re, d_im, z_re, z_im, da_re[k], da_im[k]);
        }
        horner_step(p_re, p_im, z_re, z_im, a_re[m], a_im[m]);

        ext delta_re, delta_im;
        if (!quotient(p_re, p_im, d_re, d_im, delta_re, delta_im)) return ROOTS_NO_CONVERGENCE;
        z_re = z_re - delta_re;
        z_im = z_im - delta_im;
        // Once a value leaves the finite numbers every later step is NaN and
        // the cap would be reached anyway; stop now.
        if (!finite(z_re, z_im)) return ROOTS_NO_CONVERGENCE;
        if (step_converged(test, norm2(delta_re, delta_im))) return ROOTS_OK;
        if (++steps == kMaxNewtonSteps) return ROOTS_NO_CONVERGENCE;
    }
}

// Degree 3 and up: Newton root by root with deflation, then the last
// linear factor; in the variable 1/x when the parameter change is on.
static int solve_by_newton(ext* a_re, ext* a_im, int n, const FinderOptions& options)
{
    if (options.param_change) {
        ext rev_re[kRows], rev_im[kRows];
        for (int k = 0; k <= n; ++k) {
            rev_re[k] = a_re[n - k];
            rev_im[k] = a_im[n - k];
        }
        for (int k = 0; k <= n; ++k) {
            a_re[k] = rev_re[k];
            a_im[k] = rev_im[k];
        }
    }

    const ext lead_re = a_re[0], lead_im = a_im[0];
    for (int k = 0; k <= n; ++k)
        if (!quotient(a_re[k], a_im[k], lead_re, lead_im, a_re[k], a_im[k])) return ROOTS_NO_CONVERGENCE;
    for (int k = 0; k <= n; ++k)
        if (!finite(a_re[k], a_im[k])) return ROOTS_NO_CONVERGENCE;

    for (int m = n; m > 1;) {
        ext z_re, z_im;
        int result = newton_root(a_re, a_im, m, options.tolerance, z_re, z_im);
        if (result != ROOTS_OK) return result;
        a_re[m] = z_re;
        a_im[m] = z_im;
        --m;
        ext b_re = 0, b_im = 0;
        for (int k = 0; k <= m; ++k) {
            horner_step(b_re, b_im, z_re, z_im, a_re[k], a_im[k]);
            a_re[k] = b_re;
            a_im[k] = b_im;
        }
    }
    ext last_re, last_im;
    if (!quotient(a_re[1], a_im[1], a_re[0], a_im[0], last_re, last_im)) return ROOTS_NO_CONVERGENCE;
    a_re[1] = -last_re;
    a_im[1] = -last_im;

    for (int k = 1; k <= n; ++k) {
        a_re[k - 1] = a_re[k];
        a_im[k - 1] = a_im[k];
    }

    if (options.param_change) {
        for (int k = 0; k < n; ++k) {
            ext x = a_re[k], y = a_im[k];
            ext d = norm2(x, y);
            if (d == 0 || !std::isfinite(d)) return ROOTS_NO_CONVERGENCE;
            a_re[k] = x / d;
            a_im[k] = -y / d;
        }
    }
    return ROOTS_OK;
}

int find_roots(long double* a_re, long double* a_im, int n, const FinderOptions& options)
{
    if (n < 1 || n >= kRows) return ROOTS_NO_CONVERGENCE;
    if (n == 1) return solve_linear(a_re, a_im);
    if (n == 2) return solve_quadratic(a_re, a_im);
    return solve_by_newton(a_re, a_im, n, options);
}

int find_roots(int n)
{
    const FinderOptions options{ws.param_change != 0,
                                static_cast<ext>(ws.base_tolerance) / static_cast<ext>(ws.tolerance_divisor)};
    return find_roots(ws.work_re, ws.work_im, n, options);
}
