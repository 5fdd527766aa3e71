// The root finder. Complex values are (re, im) pairs of long doubles (x87
// extended, 64-bit significand); every operation is written out so that each
// rounding happens where it is written, in both builds.
#include "solver/root_finder.h"

#include <cfloat>
#include <cmath>

#include "solver/sqrt_shortcut.h"
#include "solver/workspace.h"

static_assert(LDBL_MANT_DIG == 64, "the finder needs the x87 extended format");

using ext = long double;

constexpr int kMaxNewtonSteps = 1000;

long double ext_sqrt(long double x)
{
    if (x == 0) return 0;
    if (x < 0) return -1;
    ext r = x > 1 ? x : 1;
    // Far from the root a step only halves r. For x in [2^(e-1), 2^e): from
    // r = x·2^-k (x > 1) the quotient x / r = 2^k is below half an ulp of r
    // while 2k < e - 65, and from r = 2^-k (x < 1) the quotient x·2^k is
    // while 2k <= -e - 64; then x / r + r rounds to r and the step gives
    // exactly r / 2. Those steps are taken at once, with six to spare: from
    // x = 1e4000 that saves 6,600 divisions, and the result is the same.
    if (x <= LDBL_MAX) {
        int e;
        std::frexp(x, &e);
        const int halvings = ((x > 1 ? e : -e) - 70) / 2;
        if (halvings > 0) r = std::ldexp(r, -halvings);
    }
    ext previous;
    do {
        previous = r;
        r = (x / r + r) * 0.5L;
    } while (previous > r);
    return r;
}

// (u + iv)(g + ih) = (ug - vh) + i(uh + vg)
static inline void mul(ext u, ext v, ext g, ext h, ext& re, ext& im)
{
    re = u * g - v * h;
    im = u * h + v * g;
}

// (u + iv)/(g + ih) = ((ug + vh) + i(vg - uh)) / (g^2 + h^2). Returns false,
// leaving re and im alone, when the divisor's squared modulus is zero or not
// finite: a step that cannot be divided ends the search.
static inline bool quotient(ext u, ext v, ext g, ext h, ext& re, ext& im)
{
    ext d = g * g + h * h;
    if (d == 0 || !std::isfinite(d)) return false;
    re = (u * g + v * h) / d;
    im = (v * g - u * h) / d;
    return true;
}

static inline bool finite(ext re, ext im)
{
    return std::isfinite(re) && std::isfinite(im);
}

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

    ext r = ext_sqrt(disc_re * disc_re + disc_im * disc_im);
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
        // p and p' by Horner's scheme side by side, (u + iv)(z) + a written out
        // as in mul(): two independent chains the processor overlaps, each
        // rounded exactly as on its own.
        ext p_re = a_re[0], p_im = a_im[0];
        ext d_re = da_re[0], d_im = da_im[0];
        for (int k = 1; k < m; ++k) {
            const ext u = p_re, v = p_im, g = d_re, h = d_im;
            p_re = (u * z_re - v * z_im) + a_re[k];
            p_im = (u * z_im + v * z_re) + a_im[k];
            d_re = (g * z_re - h * z_im) + da_re[k];
            d_im = (g * z_im + h * z_re) + da_im[k];
        }
        ext t_re, t_im;
        mul(p_re, p_im, z_re, z_im, t_re, t_im);
        p_re = t_re + a_re[m];
        p_im = t_im + a_im[m];

        ext delta_re, delta_im;
        if (!quotient(p_re, p_im, d_re, d_im, delta_re, delta_im)) return ROOTS_NO_CONVERGENCE;
        z_re = z_re - delta_re;
        z_im = z_im - delta_im;
        // Once a value leaves the finite numbers every later step is NaN and
        // the cap would be reached anyway; stop now.
        if (!finite(z_re, z_im)) return ROOTS_NO_CONVERGENCE;
        if (step_converged(test, delta_re * delta_re + delta_im * delta_im)) return ROOTS_OK;
        if (++steps == kMaxNewtonSteps) return ROOTS_NO_CONVERGENCE;
    }
}

// Degree 3 and up: Newton root by root with deflation, then the last
// linear factor; in the variable 1/x when the parameter change is on.
static int solve_by_newton(ext* a_re, ext* a_im, int n)
{
    if (ws.param_change) {
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

    const ext tolerance = static_cast<ext>(ws.base_tolerance) / static_cast<ext>(ws.tolerance_divisor);
    for (int m = n; m > 1;) {
        ext z_re, z_im;
        int result = newton_root(a_re, a_im, m, tolerance, z_re, z_im);
        if (result != ROOTS_OK) return result;
        a_re[m] = z_re;
        a_im[m] = z_im;
        --m;
        ext b_re = 0, b_im = 0;
        for (int k = 0; k <= m; ++k) {
            ext t_re, t_im;
            mul(b_re, b_im, z_re, z_im, t_re, t_im);
            b_re = t_re + a_re[k];
            b_im = t_im + a_im[k];
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

    if (ws.param_change) {
        for (int k = 0; k < n; ++k) {
            ext x = a_re[k], y = a_im[k];
            ext d = x * x + y * y;
            if (d == 0 || !std::isfinite(d)) return ROOTS_NO_CONVERGENCE;
            a_re[k] = x / d;
            a_im[k] = -y / d;
        }
    }
    return ROOTS_OK;
}

int find_roots(int n)
{
    if (n < 1 || n >= kRows) return ROOTS_NO_CONVERGENCE;
    if (n == 1) return solve_linear(ws.work_re, ws.work_im);
    if (n == 2) return solve_quadratic(ws.work_re, ws.work_im);
    return solve_by_newton(ws.work_re, ws.work_im, n);
}
