// Simultaneous iteration on an equation of any degree, from coefficients in
// extended precision: zero roots factored out, exact scaling, error figures.
#include "solver/any_degree.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "solver/root_finder.h"
#include "solver/simultaneous.h"
#include "solver/solve_driver.h"

using ext = long double;

// The window's limits for a root part.
static const ext kTooLarge = static_cast<ext>(1e300);
static const ext kTooSmall = static_cast<ext>(1e-300);

static ext largest_part(const ext* re, const ext* im, int from, int to)
{
    ext largest = 0;
    for (int k = from; k <= to; ++k) largest = std::fmax(largest, std::fmax(std::fabs(re[k]), std::fabs(im[k])));
    return largest;
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

AnyDegreeResult solve_any_degree(const ext* c_re, const ext* c_im, int count, double base_tolerance,
                                 AnyDegreeSolution* solution)
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
    const ScaledPolynomial p{p_re.data(), p_im.data(), n};
    s.large_error = !error_figures(p, s.root_re.data(), s.root_im.data(), static_cast<double>(largest), base_tolerance,
                                   s.error_re.data(), s.error_im.data());
    return AnyDegreeResult::Solved;
}
