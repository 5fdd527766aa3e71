// Simultaneous iteration on an equation of any degree, from coefficients in
// extended precision: zero roots factored out, exact scaling, error figures.
#include "solver/any_degree.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "solver/root_finder.h"
#include "solver/simultaneous.h"

using ext = long double;

// The window's limits for a root part and for a residual part.
static const ext kTooLarge = static_cast<ext>(1e300);
static const ext kTooSmall = static_cast<ext>(1e-300);
static const double kTolerance = 1e-7;

static ext largest_part(const ext* re, const ext* im, int from, int to)
{
    ext largest = 0;
    for (int k = from; k <= to; ++k) largest = std::fmax(largest, std::fmax(std::fabs(re[k]), std::fabs(im[k])));
    return largest;
}

// The error figures: a Horner step v = v z + s keeps each part's two
// products in extended precision and rounds the part to double, as the
// window's figures are made; a[0..n] is the scaled polynomial, highest power
// first, as doubles.
static void residuals(const std::vector<double>& a_re, const std::vector<double>& a_im, ext scale,
                      AnyDegreeSolution* s)
{
    const int n = static_cast<int>(a_re.size()) - 1;
    s->large_error = false;
    for (int k = 0; k < n; ++k) {
        double e_re = 0, e_im = 0;
        if (n > 2) {
            const double z_re = s->root_re[k], z_im = s->root_im[k];
            e_re = a_re[0];
            e_im = a_im[0];
            for (int i = 1; i <= n; ++i) {
                const double t_re = static_cast<double>(static_cast<ext>(e_re) * z_re - static_cast<ext>(e_im) * z_im);
                const double t_im = static_cast<double>(static_cast<ext>(e_re) * z_im + static_cast<ext>(e_im) * z_re);
                e_re = t_re + a_re[i];
                e_im = t_im + a_im[i];
            }
        }
        if (!(std::fabs(e_re) <= kTolerance) || !(std::fabs(e_im) <= kTolerance)) s->large_error = true;
        // A figure beyond the doubles is an infinity, never NaN.
        const double f_re = static_cast<double>(e_re * scale), f_im = static_cast<double>(e_im * scale);
        s->error_re[k] = std::isnan(f_re) ? HUGE_VAL : f_re;
        s->error_im[k] = std::isnan(f_im) ? HUGE_VAL : f_im;
    }
}

static int exponent_of(ext re, ext im)
{
    return std::ilogb(std::fmax(std::fabs(re), std::fabs(im)));
}

// Roots far from the unit circle (coefficients spanning more than the
// doubles can) would take the iteration's values past the ends of the
// extended range. With x = 2^s y, s the power of two nearest the geometric
// mean of the roots' moduli, their mean comes near 1; the new coefficients
// a_k 2^(s (m - k)), divided by a power of two, are exact. Returns s; a
// shift too small to matter is not made.
static int balance_roots(std::vector<ext>& a_re, std::vector<ext>& a_im)
{
    const int m = static_cast<int>(a_re.size()) - 1;
    const int s = (exponent_of(a_re[m], a_im[m]) - exponent_of(a_re[0], a_im[0])) / m;
    if (s > -64 && s < 64) return 0;
    int top = INT_MIN;
    for (int k = 0; k <= m; ++k)
        if (a_re[k] != 0 || a_im[k] != 0) top = std::max(top, exponent_of(a_re[k], a_im[k]) + s * (m - k));
    for (int k = 0; k <= m; ++k) {
        a_re[k] = std::scalbn(a_re[k], s * (m - k) - top);
        a_im[k] = std::scalbn(a_im[k], s * (m - k) - top);
    }
    return s;
}

// A root part as the window keeps it; false beyond +-1e300.
static bool narrow(ext part, double* out)
{
    if (!(std::fabs(part) <= kTooLarge)) return false;
    *out = std::fabs(part) < kTooSmall ? 0.0 : static_cast<double>(part);
    return true;
}

AnyDegreeResult solve_any_degree(const ext* c_re, const ext* c_im, int count, AnyDegreeSolution* solution)
{
    int n = count - 1, zeros = 0;
    while (n > 0 && c_re[n] == 0 && c_im[n] == 0) --n;
    while (zeros < n && c_re[zeros] == 0 && c_im[zeros] == 0) ++zeros;
    const int m = n - zeros;
    if (n < 1) return AnyDegreeResult::NoConvergence;

    // Highest power first, divided by the power of two at or below the
    // largest part: exact, where a division by the part would round.
    const ext largest = largest_part(c_re, c_im, zeros, n);
    const int exponent = std::ilogb(largest);
    std::vector<ext> a_re(m + 1), a_im(m + 1), z_re(m), z_im(m);
    for (int k = 0; k <= m; ++k) {
        a_re[k] = std::scalbn(c_re[n - k], -exponent);
        a_im[k] = std::scalbn(c_im[n - k], -exponent);
    }
    const int shift = m > 0 ? balance_roots(a_re, a_im) : 0;
    if (m > 0 && simultaneous_roots(a_re.data(), a_im.data(), m, z_re.data(), z_im.data()) != ROOTS_OK)
        return AnyDegreeResult::NoConvergence;
    for (int k = 0; k < m; ++k) {
        z_re[k] = std::scalbn(z_re[k], shift);
        z_im[k] = std::scalbn(z_im[k], shift);
    }

    AnyDegreeSolution& s = *solution;
    s.root_re.assign(n, 0.0);
    s.root_im.assign(n, 0.0);
    s.error_re.assign(n, 0.0);
    s.error_im.assign(n, 0.0);
    for (int k = 0; k < m; ++k)
        if (!narrow(z_re[k], &s.root_re[zeros + k]) || !narrow(z_im[k], &s.root_im[zeros + k]))
            return AnyDegreeResult::TooLarge;

    // The error figures' polynomial: divided by the largest part, as doubles,
    // parts below 1e-300 cleared, as the window scales its coefficients.
    std::vector<double> p_re(n + 1), p_im(n + 1);
    for (int k = 0; k <= n; ++k) {
        const double re = static_cast<double>(c_re[n - k] / largest), im = static_cast<double>(c_im[n - k] / largest);
        p_re[k] = std::fabs(re) < 1e-300 ? 0.0 : re;
        p_im[k] = std::fabs(im) < 1e-300 ? 0.0 : im;
    }
    residuals(p_re, p_im, largest, &s);
    return AnyDegreeResult::Solved;
}
