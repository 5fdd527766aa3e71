// The root finder's and the solve driver's guards: equations the finder must
// give up on instead of dividing by zero or looping, scaling, the deflation
// choice, and error figures that overflow. The roots each key finds are
// pinned by the Solve command's worked values.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>

#include "solver/root_finder.h"
#include "solver/solve_driver.h"
#include "tests/unit/fake_ui.h"

using cext = std::complex<long double>;

// A fresh workspace with coefficients in solver order (entry 0 multiplies
// the highest power), in the finder's arrays and the driver's.
static void load(const std::vector<cext>& a, int param_change = 0)
{
    reset_fake_ui();
    ws.param_change = param_change;
    ws.tolerance_divisor = ws.coef_scale = 1;
    ws.degree = static_cast<int>(a.size()) - 1;
    for (std::size_t k = 0; k < a.size(); ++k) {
        ws.work_re[k] = a[k].real();
        ws.work_im[k] = a[k].imag();
        ws.coef_re[k] = static_cast<double>(a[k].real());
        ws.coef_im[k] = static_cast<double>(a[k].imag());
    }
}

TEST(RootFinder, GivesUpInsteadOfDividingByZeroOrLooping)
{
    const struct { const char* name; std::vector<cext> a; int param_change; } cases[] = {
        // -i is a root, i follows, and on x^2 - 1 every iterate from -i stays
        // on the imaginary axis until the step cap.
        {"x^4 - 1", {1, 0, 0, 0, -1}, 0},
        {"x^4 - 1 in 1/x", {1, 0, 0, 0, -1}, 1},
        // The derivative vanishes exactly at -i: the first step divides by 0.
        {"x^3 + 3x + 4", {1, 0, 3, 4}, 0},
        {"x^3 + 3x + 4 scaled", {0.25L, 0, 0.75L, 1}, 0},
        {"x^5 - 5x + 8", {1, 0, 0, 0, -5, 8}, 0},
        // Divided by 3, x^3 + 3x + 1 has the inexact 1/3 in it; normalising it
        // brings the derivative at -i back to exactly 0.
        {"x^3 + 3x + 1 scaled", {1.0L / 3, 0, 1, 1.0L / 3}, 0},
        // A zero constant term cannot lead the equation in 1/x.
        {"zero constant term in 1/x", {1, 2, 3, 0}, 1},
    };
    for (const auto& c : cases) {
        load(c.a, c.param_change);
        EXPECT_EQ(find_roots(ws.degree), ROOTS_NO_CONVERGENCE) << c.name;
    }
}

// Every part is divided by the largest, the originals kept; the tolerance
// divisor is 1 over the smallest non-zero part, at most 1e8.
TEST(SolveDriver, ScalingDividesByTheLargestPartAndKeepsTheOriginals)
{
    const struct { std::vector<cext> a; double scale, divisor; } cases[] = {
        {{2, -12, 22, -12}, 22, 11}, {{1e-100L, cext(0, -1e100L), 3}, 1e100, 1e8}, {{1, 0, -1}, 1, 1},
    };
    for (const auto& c : cases) {
        load(c.a);
        EXPECT_EQ(scale_coefficients(), SCALE_OK);
        EXPECT_EQ(std::make_pair(ws.coef_scale, ws.tolerance_divisor), std::make_pair(c.scale, c.divisor));
        for (std::size_t k = 0; k < c.a.size(); ++k) {
            const double re = static_cast<double>(c.a[k].real()), im = static_cast<double>(c.a[k].imag());
            EXPECT_EQ(std::make_tuple(ws.coef_re[k], ws.coef_im[k], ws.saved_coef_re[k]),
                      std::make_tuple(re / c.scale, im / c.scale, re)) << "entry " << k;
        }
    }
}

// Each deflation pass keeps the candidate with the smallest residual in the
// pass's polynomial, here (x - 1)(x - 2)(x - 3), and always keeps one.
TEST(SolveDriver, DeflationChoosesTheSmallestResidual)
{
    const long double p_re[4] = {1, -6, 11, -6}, p_im[4] = {0, 0, 0, 0};
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const struct { const char* name; long double roots[3]; int chosen; } cases[] = {
        {"exact root last", {2.001L, 1.0001L, 3}, 2}, {"exact ties: the lowest index", {2, 1, 3}, 0},
        {"every squared residual beyond 1e300", {3e200L, 1e200L, 2e200L}, 1},
        {"NaN counts as largest", {nan, 1e200L, nan}, 1}, {"only NaN", {nan, nan, nan}, 0},
    };
    reset_workspace();
    for (const auto& c : cases) {
        for (int k = 0; k < 3; ++k) ws.work_re[k] = c.roots[k];
        EXPECT_EQ(choose_deflation_root(p_re, p_im, 3, ws.work_re, ws.work_im), c.chosen) << c.name;
    }
}

// An error figure beyond the doubles stays an infinity, even where two
// infinities meet as inf - inf: never NaN. The verdict is then "inaccurate".
TEST(SolveDriver, OverflowingFiguresAreInfinitiesNeverNaN)
{
    load({cext(1e200L, 1e200L), -1, -1, -1, 0});  // roots of x^4 - 1, one of them far out
    ws.root_re[0] = 1;
    ws.root_re[4] = -1;
    compute_residuals();
    EXPECT_TRUE(std::isinf(ws.error_re[0]) && std::isinf(ws.error_im[0]));
    EXPECT_EQ(std::make_tuple(ws.error_re[1], ws.error_im[2], ws.roots_accurate), std::make_tuple(0.0, 0.0, 0));
}
