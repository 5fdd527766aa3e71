// Scaling, the limits of a root, the deflation choice and the error figures.
// The roots each key finds are pinned by the Solve command's worked values.
#include "solver/solve_driver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "solver/workspace.h"
#include "tests/unit/fake_ui.h"

// A fresh workspace with coefficients in solver order (entry 0 multiplies
// the highest power); the degree is one less than the entries given.
static void load(const std::vector<double>& re, const std::vector<double>& im)
{
    reset_fake_ui();
    ws.tolerance_divisor = ws.coef_scale = 1;
    ws.degree = static_cast<int>(re.size()) - 1;
    for (std::size_t k = 0; k < re.size(); ++k) {
        ws.coef_re[k] = re[k];
        ws.coef_im[k] = im[k];
    }
}

TEST(SolveDriver, ScalingDividesByTheLargestPartAndKeepsTheOriginals)
{
    const struct { std::vector<double> re, im; int result, degree; double scale, divisor; } cases[] = {
        {{2, -12, 22, -12}, {0, 0, 0, 0}, SCALE_OK, 3, 22, 11},
        {{1e-100, 0, 3}, {0, -1e100, 0}, SCALE_OK, 2, 1e100, 1e8},  // 1e-200 stays; the divisor is capped
        {{1, 0, -1}, {0, 0, 0}, SCALE_OK, 2, 1, 1},                 // a zero part is not the smallest
        {{1, 0, 2, 0, 0}, {0, 0, 0, 0, 0}, SCALE_OK, 2, 2, 2},      // trailing zeros lower the degree
        {{5, 0, 0, 0}, {0, 0, 0, 0}, SCALE_ALL_ZERO, 3, 1, 1},      // nothing to solve: nothing changes
    };
    for (const auto& c : cases) {
        load(c.re, c.im);
        EXPECT_EQ(scale_coefficients(), c.result) << c.re[0];
        EXPECT_EQ(std::make_tuple(ws.degree, ws.coef_scale, ws.tolerance_divisor), std::make_tuple(c.degree, c.scale, c.divisor))
            << c.re[0];
        for (std::size_t k = 0; k < c.re.size(); ++k) {
            EXPECT_EQ(std::make_tuple(ws.coef_re[k], ws.coef_im[k], ws.saved_coef_re[k]),
                      std::make_tuple(c.re[k] / c.scale, c.im[k] / c.scale, c.result == SCALE_OK ? c.re[k] : 0))
                << c.re[0] << ", entry " << k;
        }
    }
}

// A root part beyond 1e300 ends the solve (the arrow cursor, then the
// message); one below 1e-300 is stored as 0. Failures to converge are
// pinned with the Solve command.
TEST(SolveDriver, RootPartsBeyondTheLimits)
{
    for (int japanese : {0, 1}) {
        load({1e-301, 1}, {0, 0});  // the root -1e301
        ws.ui_japanese = japanese;
        EXPECT_EQ(solve_equation(ws.main_window, 1), 1);
        EXPECT_EQ(fake.log, (std::vector<std::string>{
                                "cursor 32512", japanese ? "box エラー 0x10: 解の絶対値が大きすぎるので、解は得られません!"
                                                         : "box Error 0x10: Unable to get solution because of too large absolute value(s)!"}));
    }
    load({1, 1e-305}, {0, 2});  // root -1e-305 - 2i
    EXPECT_EQ(solve_equation(ws.main_window, 1), 0);
    EXPECT_EQ(std::make_pair(ws.coef_re[0], ws.coef_im[0]), std::make_pair(0.0, -2.0));
}

// Each deflation pass keeps the candidate with the smallest residual in the
// pass's polynomial, here (x - 1)(x - 2)(x - 3).
TEST(SolveDriver, DeflationChoosesTheSmallestResidual)
{
    const long double p_re[4] = {1, -6, 11, -6}, p_im[4] = {0, 0, 0, 0};
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const struct { const char* name; long double roots[3]; int chosen; } cases[] = {
        {"exact root last", {2.001L, 1.0001L, 3}, 2},
        {"exact ties: the lowest index", {2, 1, 3}, 0},
        {"every squared residual beyond 1e300", {3e200L, 1e200L, 2e200L}, 1},
        {"NaN counts as largest", {nan, 1e200L, nan}, 1},
        {"only NaN", {nan, nan, nan}, 0},
    };
    reset_workspace();
    for (const auto& c : cases) {
        for (int k = 0; k < 3; ++k) ws.work_re[k] = c.roots[k];
        EXPECT_EQ(choose_deflation_root(p_re, p_im, 3), c.chosen) << c.name;
    }
}

// The figures are scaled back to the user's equation; the verdict is taken
// on the scaled residual. An overflowing figure stays an infinity, even
// where two infinities meet as inf - inf: never NaN.
TEST(SolveDriver, ResidualsScaledBackAndNeverNaN)
{
    load({-1, -1, -1, 0}, {0, 0, 0, 0});  // the roots of x^3 + 1 + d, scaled by 1e100
    ws.coef_scale = 1e100;
    ws.root_re[0] = 1;
    for (double d : {1e-9, 1e-6}) {
        ws.root_re[3] = 1 + d;
        compute_residuals();
        EXPECT_EQ(std::make_tuple(ws.error_re[0], ws.error_im[2], ws.roots_accurate),
                  std::make_tuple(((1 + d) - 1) * 1e100, 0.0, d < 1e-7 ? 1 : 0)) << d;
    }
    ws.root_re[3] = 1;
    ws.coef_re[0] = 1e200;  // a root far out
    compute_residuals();
    EXPECT_EQ(std::make_tuple(ws.error_re[0], ws.error_re[1], ws.roots_accurate), std::make_tuple(HUGE_VAL, 0.0, 0));
    ws.coef_im[0] = 1e200;
    compute_residuals();
    EXPECT_TRUE(std::isinf(ws.error_re[0]) && std::isinf(ws.error_im[0]));
}
