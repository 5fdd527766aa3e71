// Scaling, the four keys to solution, and the error figures.
#include "solver/solve_driver.h"

#include <cmath>

#include "solver/root_finder.h"
#include "solver/texts.h"
#include "solver/workspace.h"

using ext = long double;

// The driver's limits: the doubles 1e300 and 1e-300, widened.
static const ext kTooLarge = static_cast<ext>(1e300);
static const ext kTooSmall = static_cast<ext>(1e-300);

enum class SolveText { NoConvergence, TooLarge, Unexpected, NotAllRoots, Count };
constexpr TextPair kSolveTexts[] = {
    {"Unable to get a solution because of no convergence!\nPlease try an another key to solution.",
     "非収束のため解は得られません!\n他の解法をトライしてみてください."},
    {"Unable to get solution because of too large absolute value(s)!",
     "解の絶対値が大きすぎるので、解は得られません!"},
    {"Unable to get solution because of unexpected error!", "何らかのエラーのため解は得られません!"},
    {"Unable to get all roots for the characteristic equation.", "特性方程式の全部の根を得られません."},
};
static_assert(sizeof kSolveTexts / sizeof kSolveTexts[0] == static_cast<int>(SolveText::Count),
              "one pair per text");

static void show_solve_error(UiHandle owner, SolveText text)
{
    show_message(owner, kSolveTexts[static_cast<int>(text)], kCaptionError, kMbOk | kMbIconError);
}

void show_no_convergence(UiHandle owner) { show_solve_error(owner, SolveText::NoConvergence); }
void show_too_large(UiHandle owner) { show_solve_error(owner, SolveText::TooLarge); }
void show_unexpected_error(UiHandle owner) { show_solve_error(owner, SolveText::Unexpected); }
void show_not_all_roots(UiHandle owner) { show_solve_error(owner, SolveText::NotAllRoots); }

int trim_degree()
{
    for (int i = ws.degree; i >= 1; --i) {
        if (ws.coef_re[i] != 0 || ws.coef_im[i] != 0) {
            ws.degree = i;
            return 1;
        }
    }
    return 0;
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

// Answers a result of the root finder for a pass of degree j: true to go on,
// false after the message (arrow cursor first).
static bool classify(UiHandle owner, int result, int j)
{
    void (*show)(UiHandle) = nullptr;
    if (result == ROOTS_NO_CONVERGENCE)
        show = show_no_convergence;
    else if (result >= 1 && result <= j)
        show = show_not_all_roots;
    else if (result > j && result < ROOTS_NO_CONVERGENCE)
        show = show_unexpected_error;
    if (!show) return true;
    ui_set_cursor(kCursorArrow);
    show(owner);
    return false;
}

struct RootList {
    ext re[kRows], im[kRows];
};

// p(z) by Horner's scheme over p[0..j], in extended precision.
static void horner(const ext* p_re, const ext* p_im, int j, ext z_re, ext z_im, ext& v_re, ext& v_im)
{
    v_re = p_re[0];
    v_im = p_im[0];
    for (int i = 1; i <= j; ++i) {
        ext t_re = v_re * z_re - v_im * z_im;
        ext t_im = v_re * z_im + v_im * z_re;
        v_re = t_re + p_re[i];
        v_im = t_im + p_im[i];
    }
}

// Orders squared residuals for the choice of a pass: NaN counts as largest.
static ext choice_key(ext v)
{
    return std::isnan(v) ? HUGE_VALL : v;
}

int choose_deflation_root(const long double* p_re, const long double* p_im, int j)
{
    ext squares[kRows];
    for (int k = 0; k < j; ++k) {
        ext r_re, r_im;
        horner(p_re, p_im, j, ws.work_re[k], ws.work_im[k], r_re, r_im);
        if (r_re > -kTooSmall && r_re < kTooSmall) r_re = 0;
        if (r_im > -kTooSmall && r_im < kTooSmall) r_im = 0;
        squares[k] = r_re * r_re + r_im * r_im;
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
// n, n-1, ..., 2; each pass of degree 3 or more keeps only its best root and
// divides it out of the pass's polynomial.
static bool solve_with_deflation(UiHandle owner, int n, RootList& roots)
{
    for (int j = n; j >= 1; --j) {
        ext p_re[kRows], p_im[kRows];
        for (int i = 0; i <= j; ++i) {
            p_re[i] = ws.work_re[i];
            p_im[i] = ws.work_im[i];
        }
        if (!classify(owner, find_roots(j), j)) return false;
        if (j <= 2) {
            for (int k = j - 1; k >= 0; --k) {
                roots.re[k] = ws.work_re[k];
                roots.im[k] = ws.work_im[k];
            }
            return true;
        }
        int s = choose_deflation_root(p_re, p_im, j);
        const ext z_re = ws.work_re[s], z_im = ws.work_im[s];
        ext q_re = p_re[0], q_im = p_im[0];
        ws.work_re[0] = q_re;
        ws.work_im[0] = q_im;
        for (int i = 1; i <= j - 1; ++i) {
            ext t_re = z_re * q_re - z_im * q_im;
            ext t_im = z_re * q_im + z_im * q_re;
            q_re = t_re + p_re[i];
            q_im = t_im + p_im[i];
            ws.work_re[i] = q_re;
            ws.work_im[i] = q_im;
        }
        roots.re[j - 1] = z_re;
        roots.im[j - 1] = z_im;
    }
    return true;
}

// Stores one root part as a double: parts below 1e-300 become 0, parts
// beyond +-1e300 (infinities included) and NaN end the solve.
static bool narrow(UiHandle owner, ext part, double& out)
{
    if (part > kTooLarge || part < -kTooLarge) {
        ui_set_cursor(kCursorArrow);
        show_too_large(owner);
        return false;
    }
    if (std::isnan(part)) {
        ui_set_cursor(kCursorArrow);
        show_unexpected_error(owner);
        return false;
    }
    out = (part > -kTooSmall && part < kTooSmall) ? 0.0 : static_cast<double>(part);
    return true;
}

int solve_equation(UiHandle owner, int n)
{
    for (int k = 0; k <= n; ++k) {
        ws.work_re[k] = ws.coef_re[k];
        ws.work_im[k] = ws.coef_im[k];
    }
    RootList roots;
    if (ws.deflation_mode) {
        if (!solve_with_deflation(owner, n, roots)) return 1;
    } else {
        if (!classify(owner, find_roots(n), n)) return 1;
        for (int k = 0; k < n; ++k) {
            roots.re[k] = ws.work_re[k];
            roots.im[k] = ws.work_im[k];
        }
    }
    for (int k = 0; k < n; ++k) {
        if (!narrow(owner, roots.re[k], ws.coef_re[k])) return 1;
        if (!narrow(owner, roots.im[k], ws.coef_im[k])) return 1;
    }
    return 0;
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

static void keep_residual(int k, double e_re, double e_im)
{
    if (!(std::fabs(e_re) <= ws.base_tolerance) || !(std::fabs(e_im) <= ws.base_tolerance)) ws.roots_accurate = 0;
    ws.error_re[k] = overflow_as_infinity(e_re * ws.coef_scale);
    ws.error_im[k] = overflow_as_infinity(e_im * ws.coef_scale);
}

void compute_residuals()
{
    const int n = ws.degree;
    if (n <= 2) {
        for (int k = 0; k < n; ++k) ws.error_re[k] = ws.error_im[k] = 0;
        ws.roots_accurate = 1;
        return;
    }
    ws.roots_accurate = 1;
    // Two roots at a time: their Horner chains are independent and the
    // processor overlaps them. An odd count takes its last root twice.
    for (int k = 0; k < n; k += 2) {
        const int l = k + 1 < n ? k + 1 : k;
        const double z_re = ws.coef_re[k], z_im = ws.coef_im[k], w_re = ws.coef_re[l], w_im = ws.coef_im[l];
        double e_re = ws.root_re[0], e_im = ws.root_im[0], f_re = e_re, f_im = e_im;
        for (int i = 1; i <= n; ++i) {
            residual_step(e_re, e_im, z_re, z_im, ws.root_re[i], ws.root_im[i]);
            residual_step(f_re, f_im, w_re, w_im, ws.root_re[i], ws.root_im[i]);
        }
        keep_residual(k, e_re, e_im);
        keep_residual(l, f_re, f_im);
    }
}
