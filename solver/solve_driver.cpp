// Scaling, the keys to solution, and the error figures.
#include "solver/solve_driver.h"

#include <cmath>

#include "solver/ext_complex.h"
#include "solver/root_finder.h"
#include "solver/simultaneous.h"
#include "solver/workspace.h"

// The driver's limits: the doubles 1e300 and 1e-300, widened.
static const ext kTooLarge = static_cast<ext>(1e300);
static const ext kTooSmall = static_cast<ext>(1e-300);

// The messages of the failures, in the order of SolveResult from NoConvergence.
constexpr SolveResult kFirstFailure = SolveResult::NoConvergence;
constexpr TextPair kFailureTexts[] = {
    {"Unable to get a solution because of no convergence!\nPlease try an another key to solution.",
     "非収束のため解は得られません!\n他の解法をトライしてみてください."},
    {"Unable to get solution because of too large absolute value(s)!",
     "解の絶対値が大きすぎるので、解は得られません!"},
    {"Unable to get solution because of unexpected error!", "何らかのエラーのため解は得られません!"},
    {"Unable to get all roots for the characteristic equation.", "特性方程式の全部の根を得られません."},
};
static_assert(sizeof kFailureTexts / sizeof kFailureTexts[0] ==
                  static_cast<int>(SolveResult::NotAllRoots) - static_cast<int>(kFirstFailure) + 1,
              "one pair per failure");

const TextPair& failure_text(SolveResult result)
{
    return kFailureTexts[static_cast<int>(result) - static_cast<int>(kFirstFailure)];
}

SolveKey workspace_key()
{
    if (ws.simultaneous_iteration) return SolveKey::Simultaneous;
    return static_cast<SolveKey>((ws.param_change ? 1 : 0) + (ws.deflation_mode ? 2 : 0));
}

void set_workspace_key(SolveKey key)
{
    const int k = static_cast<int>(key);
    ws.simultaneous_iteration = key == SolveKey::Simultaneous;
    ws.param_change = ws.simultaneous_iteration ? 0 : k & 1;
    ws.deflation_mode = ws.simultaneous_iteration ? 0 : k >> 1 & 1;
}

bool trim_degree()
{
    for (int i = ws.degree; i >= 1; --i) {
        if (ws.coef_re[i] != 0 || ws.coef_im[i] != 0) {
            ws.degree = i;
            return true;
        }
    }
    return false;
}

int scale_coefficients()
{
    int result = SCALE_OK;
    if (!trim_degree()) return SCALE_ALL_ZERO;
    const int n = ws.degree;
    for (int k = 0; k <= n; ++k) {
        ws.saved_coef_re[k] = ws.coef_re[k];
        ws.saved_coef_im[k] = ws.coef_im[k];
    }
    double largest = 1e-300;
    for (int k = 0; k <= n; ++k) {
        if (std::fabs(ws.coef_re[k]) > largest) largest = std::fabs(ws.coef_re[k]);
        if (std::fabs(ws.coef_im[k]) > largest) largest = std::fabs(ws.coef_im[k]);
    }
    for (int k = 0; k <= n; ++k) {
        ws.coef_re[k] = ws.coef_re[k] / largest;
        ws.coef_im[k] = ws.coef_im[k] / largest;
    }
    for (int k = 0; k <= n; ++k) {
        if (std::fabs(ws.coef_re[k]) < 1e-300) ws.coef_re[k] = 0;
        if (std::fabs(ws.coef_im[k]) < 1e-300) ws.coef_im[k] = 0;
    }
    if (!trim_degree()) result = SCALE_ALL_ZERO;
    ws.coef_scale = largest;

    double smallest = 1e300;
    for (int k = 0; k <= n; ++k) {
        double re = std::fabs(ws.coef_re[k]), im = std::fabs(ws.coef_im[k]);
        if (re != 0 && re < smallest) smallest = re;
        if (im != 0 && im < smallest) smallest = im;
    }
    ws.tolerance_divisor = 1 / smallest <= 1e8 ? 1 / smallest : 1e8;
    return result;
}

// The finders here return only ROOTS_OK or ROOTS_NO_CONVERGENCE; the other
// ranges of a finder's result keep their meaning for any finder that counts
// its roots (1..j: that many found, then stuck; above j: a fault of its own).
static SolveResult classify(int result, int j)
{
    if (result == ROOTS_NO_CONVERGENCE) return SolveResult::NoConvergence;
    if (result >= 1 && result <= j) return SolveResult::NotAllRoots;  // unreachable, see above
    if (result > j && result < ROOTS_NO_CONVERGENCE) return SolveResult::Unexpected;  // unreachable
    return SolveResult::Solved;
}

struct RootList {
    ext re[kRows], im[kRows];
};

// p(z) by Horner's scheme over p[0..j], in extended precision.
static void horner(const ext* p_re, const ext* p_im, int j, ext z_re, ext z_im, ext& v_re, ext& v_im)
{
    v_re = p_re[0];
    v_im = p_im[0];
    for (int i = 1; i <= j; ++i) horner_step(v_re, v_im, z_re, z_im, p_re[i], p_im[i]);
}

// Orders squared residuals for the choice of a pass: NaN counts as largest.
static ext choice_key(ext v)
{
    return std::isnan(v) ? HUGE_VALL : v;
}

int choose_deflation_root(const long double* p_re, const long double* p_im, int j, const long double* z_re,
                          const long double* z_im)
{
    ext squares[kRows];
    for (int k = 0; k < j; ++k) {
        ext r_re, r_im;
        horner(p_re, p_im, j, z_re[k], z_im[k], r_re, r_im);
        if (r_re > -kTooSmall && r_re < kTooSmall) r_re = 0;
        if (r_im > -kTooSmall && r_im < kTooSmall) r_im = 0;
        squares[k] = norm2(r_re, r_im);
    }
    int chosen = -1;
    ext best = kTooLarge;
    for (int k = 0; k < j; ++k) {
        if (squares[k] < best) {
            best = squares[k];
            chosen = k;
        }
    }
    if (chosen >= 0) return chosen;
    chosen = 0;
    for (int k = 1; k < j; ++k)
        if (choice_key(squares[k]) < choice_key(squares[chosen])) chosen = k;
    return chosen;
}

// "Deflation" and "Param. change + Deflation": one finder call per degree
// n, n-1, ..., 2 on w[0..j]; each pass of degree 3 or more keeps only its
// best root and divides it out of the pass's polynomial.
static SolveResult solve_with_deflation(ext* w_re, ext* w_im, int n, const FinderOptions& options, RootList& roots)
{
    for (int j = n; j >= 1; --j) {
        ext p_re[kRows], p_im[kRows];
        for (int i = 0; i <= j; ++i) {
            p_re[i] = w_re[i];
            p_im[i] = w_im[i];
        }
        const SolveResult result = classify(find_roots(w_re, w_im, j, options), j);
        if (result != SolveResult::Solved) return result;
        if (j <= 2) {
            for (int k = j - 1; k >= 0; --k) {
                roots.re[k] = w_re[k];
                roots.im[k] = w_im[k];
            }
            return SolveResult::Solved;
        }
        const int s = choose_deflation_root(p_re, p_im, j, w_re, w_im);
        const ext z_re = w_re[s], z_im = w_im[s];
        ext q_re = p_re[0], q_im = p_im[0];
        w_re[0] = q_re;
        w_im[0] = q_im;
        for (int i = 1; i <= j - 1; ++i) {
            horner_step(q_re, q_im, z_re, z_im, p_re[i], p_im[i]);
            w_re[i] = q_re;
            w_im[i] = q_im;
        }
        roots.re[j - 1] = z_re;
        roots.im[j - 1] = z_im;
    }
    return SolveResult::Solved;
}

// One coefficient part for the simultaneous iteration: the typed value in
// extended precision where it is the one the double came from, else the
// double; 0 where the scaling cleared the part.
static ext exact_part(double scaled, double saved, ext typed)
{
    if (scaled == 0) return 0;
    return static_cast<double>(typed) == saved ? typed : static_cast<ext>(saved);
}

// Simultaneous iteration on the user's coefficients divided by the power of
// two at or below the scale M: that division is exact, where one by M would
// round every coefficient once more.
static SolveResult solve_simultaneously(const ScaledPolynomial& p, const UnscaledCoefficients& unscaled,
                                        RootList& roots)
{
    const int n = p.n;
    for (int k = 0; k <= n; ++k) {
        ws.work_re[k] = p.re[k];
        ws.work_im[k] = p.im[k];
    }
    if (unscaled.scale > 0) {
        const int exponent = std::ilogb(unscaled.scale);
        for (int k = 0; k <= n; ++k) {
            const ext re = exact_part(p.re[k], unscaled.re[k], unscaled.typed_re[k]);
            const ext im = exact_part(p.im[k], unscaled.im[k], unscaled.typed_im[k]);
            ws.work_re[k] = std::scalbn(re, -exponent);
            ws.work_im[k] = std::scalbn(im, -exponent);
        }
    }
    const SolveResult result = classify(find_roots_simultaneously(n), n);
    for (int k = 0; k < n; ++k) {
        roots.re[k] = ws.work_re[k];
        roots.im[k] = ws.work_im[k];
    }
    return result;
}

// One root part as a double: parts below 1e-300 become 0, parts beyond
// +-1e300 (infinities included) and NaN end the solve.
static SolveResult narrow(ext part, double& out)
{
    if (part > kTooLarge || part < -kTooLarge) return SolveResult::TooLarge;
    if (std::isnan(part)) return SolveResult::Unexpected;
    out = (part > -kTooSmall && part < kTooSmall) ? 0.0 : static_cast<double>(part);
    return SolveResult::Solved;
}

static SolveResult find_by_key(const ScaledPolynomial& p, const UnscaledCoefficients& unscaled, SolveKey key,
                               long double tolerance, RootList& roots)
{
    if (key == SolveKey::Simultaneous) return solve_simultaneously(p, unscaled, roots);
    ext w_re[kRows], w_im[kRows];
    for (int k = 0; k <= p.n; ++k) {
        w_re[k] = p.re[k];
        w_im[k] = p.im[k];
    }
    const FinderOptions options{key == SolveKey::ParamChange || key == SolveKey::ParamDeflation, tolerance};
    if (key == SolveKey::Deflation || key == SolveKey::ParamDeflation)
        return solve_with_deflation(w_re, w_im, p.n, options, roots);
    const SolveResult result = classify(find_roots(w_re, w_im, p.n, options), p.n);
    for (int k = 0; k < p.n; ++k) {
        roots.re[k] = w_re[k];
        roots.im[k] = w_im[k];
    }
    return result;
}

SolveResult solve_polynomial(const ScaledPolynomial& p, const UnscaledCoefficients& unscaled, SolveKey key,
                             long double tolerance, double* root_re, double* root_im)
{
    RootList roots;
    SolveResult result = find_by_key(p, unscaled, key, tolerance, roots);
    for (int k = 0; k < p.n && result == SolveResult::Solved; ++k) {
        result = narrow(roots.re[k], root_re[k]);
        if (result == SolveResult::Solved) result = narrow(roots.im[k], root_im[k]);
    }
    return result;
}

// Newton's stopping tolerance for the scaled equation.
static long double newton_tolerance()
{
    return static_cast<ext>(ws.base_tolerance) / static_cast<ext>(ws.tolerance_divisor);
}

SolveResult solve_equation(int n)
{
    const ScaledPolynomial p{ws.coef_re, ws.coef_im, n};
    const UnscaledCoefficients unscaled{ws.saved_coef_re, ws.saved_coef_im, ws.typed_coef_re, ws.typed_coef_im,
                                        ws.coef_scale};
    return solve_polynomial(p, unscaled, workspace_key(), newton_tolerance(), ws.coef_re, ws.coef_im);
}

// A residual beyond the doubles ends as an infinity or, once two infinities
// meet, as NaN; both mean the figure overflowed, and the display shows them
// so. Keeping one kind (infinity) spares every later reader the NaN case.
static double overflow_as_infinity(double x)
{
    return std::isnan(x) ? HUGE_VAL : x;
}

// One Horner step of an error figure, v = v·z + s in double precision: the
// two products of a part are formed in extended precision and the part
// rounded to double; the sum is a double sum.
static inline void residual_step(double& v_re, double& v_im, double z_re, double z_im, double s_re, double s_im)
{
    const double t_re = static_cast<double>(static_cast<ext>(v_re) * z_re - static_cast<ext>(v_im) * z_im);
    const double t_im = static_cast<double>(static_cast<ext>(v_re) * z_im + static_cast<ext>(v_im) * z_re);
    v_re = t_re + s_re;
    v_im = t_im + s_im;
}

// Keeps one error figure; false when its scaled parts are beyond the
// tolerance (or not finite).
static bool keep_residual(double e_re, double e_im, double scale, double base_tolerance, double& error_re,
                          double& error_im)
{
    error_re = overflow_as_infinity(e_re * scale);
    error_im = overflow_as_infinity(e_im * scale);
    return std::fabs(e_re) <= base_tolerance && std::fabs(e_im) <= base_tolerance;
}

bool error_figures(const ScaledPolynomial& p, const double* z_re, const double* z_im, double scale,
                   double base_tolerance, double* error_re, double* error_im)
{
    const int n = p.n;
    if (n <= 2) {
        for (int k = 0; k < n; ++k) error_re[k] = error_im[k] = 0;
        return true;
    }
    bool accurate = true;
    // Two roots at a time: their Horner chains are independent and the
    // processor overlaps them. An odd count takes its last root twice.
    for (int k = 0; k < n; k += 2) {
        const int l = k + 1 < n ? k + 1 : k;
        double e_re = p.re[0], e_im = p.im[0], f_re = e_re, f_im = e_im;
        for (int i = 1; i <= n; ++i) {
            residual_step(e_re, e_im, z_re[k], z_im[k], p.re[i], p.im[i]);
            residual_step(f_re, f_im, z_re[l], z_im[l], p.re[i], p.im[i]);
        }
        accurate &= keep_residual(e_re, e_im, scale, base_tolerance, error_re[k], error_im[k]);
        accurate &= keep_residual(f_re, f_im, scale, base_tolerance, error_re[l], error_im[l]);
    }
    return accurate;
}

void compute_residuals()
{
    const ScaledPolynomial p{ws.root_re, ws.root_im, ws.degree};
    ws.roots_accurate = error_figures(p, ws.coef_re, ws.coef_im, ws.coef_scale, ws.base_tolerance, ws.error_re,
                                      ws.error_im);
}

SolveResult solve_pipeline(void (*on_solving)())
{
    if (scale_coefficients() == SCALE_ALL_ZERO) return SolveResult::AllZero;
    const int n = ws.degree;
    if (ws.coef_re[n] == 0 && ws.coef_im[n] == 0) return SolveResult::ConstantTermZero;
    if (ws.coef_re[0] == 0 && ws.coef_im[0] == 0) return SolveResult::HighestDegreeZero;
    // compute_residuals reads the scaled polynomial from here, as the roots
    // take the place of the coefficients.
    for (int k = 0; k <= n; ++k) {
        ws.root_re[k] = ws.coef_re[k];
        ws.root_im[k] = ws.coef_im[k];
    }
    if (on_solving) on_solving();
    const SolveResult result = solve_equation(n);
    if (result == SolveResult::Solved) compute_residuals();
    return result;
}
