// Scaling, the four keys to solution, the deflation choice, the narrowing
// and the error figures.
#include "solver/solve_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "solver/workspace.h"
#include "tests/unit/fake_ui.h"

namespace {

struct Key {
    int param_change, deflation_mode;
    const char* name;
};
const Key kKeys[] = {{0, 0, "Standard"}, {1, 0, "Parameter change"}, {0, 1, "Deflation"}, {1, 1, "Both"}};

// A fresh workspace with coefficients in solver order (entry 0 multiplies
// the highest power); the degree is one less than the entries given.
void load(const std::vector<double>& re, const std::vector<double>& im = {})
{
    reset_fake_ui();
    ws.degree = static_cast<int>(re.size()) - 1;
    for (std::size_t k = 0; k < re.size(); ++k) {
        ws.coef_re[k] = re[k];
        ws.coef_im[k] = k < im.size() ? im[k] : 0;
    }
}

// Runs what the Solve command runs after its checks; solve_equation's result.
int run_key(const std::vector<double>& re, const Key& key)
{
    load(re);
    ws.param_change = key.param_change;
    ws.deflation_mode = key.deflation_mode;
    EXPECT_EQ(scale_coefficients(), SCALE_OK);
    for (int k = 0; k <= ws.degree; ++k) {
        ws.root_re[k] = ws.coef_re[k];
        ws.root_im[k] = ws.coef_im[k];
    }
    int result = solve_equation(ws.main_window, ws.degree);
    if (result == 0) compute_residuals();
    return result;
}

}  // namespace

TEST(Scaling, DividesByTheLargestPartAndKeepsTheOriginals)
{
    load({2, -12, 22, -12});
    ASSERT_EQ(scale_coefficients(), SCALE_OK);
    EXPECT_EQ(ws.coef_scale, 22);
    EXPECT_EQ(ws.tolerance_divisor, 11);
    EXPECT_EQ(ws.coef_re[0], 2.0 / 22);
    EXPECT_EQ(ws.coef_re[2], 1);
    EXPECT_EQ(ws.saved_coef_re[1], -12);

    load({1e-100, 0, 3}, {0, -1e100, 0});  // the widest spread: 1e-200 stays, the divisor is capped
    ASSERT_EQ(scale_coefficients(), SCALE_OK);
    EXPECT_EQ(ws.coef_scale, 1e100);
    EXPECT_NE(ws.coef_re[0], 0);
    EXPECT_EQ(ws.tolerance_divisor, 1e8);

    load({5, 0, 0, 0});  // only the highest power: coefficients 1..n zero
    EXPECT_EQ(scale_coefficients(), SCALE_ALL_ZERO);
    EXPECT_EQ(ws.coef_re[0], 5);  // nothing changed

    load({1, 0, 2, 0, 0});  // entries 3 and 4 zero: the degree comes down to 2
    EXPECT_EQ(trim_degree(), 1);
    EXPECT_EQ(ws.degree, 2);
}

// Standard finds 3, 2, 1 and parameter change 1, 3, 2; deflation keeps the
// best root of each pass at the end of the list. Degrees 1 and 2 are solved
// by formula and have zero figures.
TEST(SolveDriver, EveryKeySolves)
{
    const double orders[][3] = {{3, 2, 1}, {1, 3, 2}};
    for (const Key& key : kKeys) {
        SCOPED_TRACE(key.name);
        ASSERT_EQ(run_key({2, -12, 22, -12}, key), 0);
        std::vector<double> found{ws.coef_re[0], ws.coef_re[1], ws.coef_re[2]};
        for (int k = 0; k < 3 && !key.deflation_mode; ++k) EXPECT_NEAR(found[k], orders[key.param_change][k], 1e-12);
        std::sort(found.begin(), found.end());
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(found[k], k + 1, 1e-12);
        EXPECT_EQ(ws.roots_accurate, 1);
        EXPECT_TRUE(fake.message_boxes.empty());

        ASSERT_EQ(run_key({1, 2, 5}, key), 0);
        EXPECT_EQ(ws.coef_re[1], -1);
        EXPECT_EQ(ws.coef_im[1], 2);
        EXPECT_EQ(ws.error_re[0], 0);
        EXPECT_EQ(ws.error_im[1], 0);
        EXPECT_EQ(ws.roots_accurate, 1);
        ASSERT_EQ(run_key({2, 4}, key), 0);
        EXPECT_EQ(ws.coef_re[0], -2);
    }
    ASSERT_EQ(run_key({1, -6, 11, -6}, kKeys[0]), 0);
    EXPECT_EQ(ws.coef_im[0], -3.435537881438631e-20);  // what Newton from -i leaves
}

TEST(SolveDriver, NoConvergenceMessageInBothLanguages)
{
    for (const Key& key : kKeys) {
        SCOPED_TRACE(key.name);
        EXPECT_EQ(run_key({1, 0, 0, 0, -1}, key), 1);
        ASSERT_EQ(fake.message_boxes.size(), 1u);
        EXPECT_EQ(fake.message_boxes[0].text,
                  "Unable to get a solution because of no convergence!\nPlease try an another key to solution.");
        EXPECT_EQ(fake.message_boxes[0].caption, "Error");
        EXPECT_EQ(fake.message_boxes[0].style, kMbOk | kMbIconError);
        EXPECT_EQ(fake.message_boxes[0].owner, ws.main_window);
        EXPECT_EQ(fake.cursors, std::vector<int>{kCursorArrow});
    }
    reset_fake_ui();
    ws.ui_japanese = 1;
    show_no_convergence(ws.main_window);
    EXPECT_EQ(fake.message_boxes[0].text, "非収束のため解は得られません!\n他の解法をトライしてみてください.");
    EXPECT_EQ(fake.message_boxes[0].caption, "エラー");
}

TEST(SolveDriver, NarrowingOfRootParts)
{
    load({1e-301, 1});  // root -1e301: beyond the limit
    EXPECT_EQ(solve_equation(ws.main_window, 1), 1);
    ASSERT_EQ(fake.message_boxes.size(), 1u);
    EXPECT_EQ(fake.message_boxes[0].text, "Unable to get solution because of too large absolute value(s)!");

    load({1, 1e-305}, {0, 2});  // root -1e-305 - 2i: the real part below 1e-300 is stored as 0
    EXPECT_EQ(solve_equation(ws.main_window, 1), 0);
    EXPECT_EQ(ws.coef_re[0], 0);
    EXPECT_EQ(ws.coef_im[0], -2);
}

TEST(DeflationChoice, SmallestResidualTiesAndFallbacks)
{
    // p(x) = x^3 - 1 in extended: three candidate roots in the work arrays.
    const long double p_re[4] = {1, 0, 0, -1}, p_im[4] = {0, 0, 0, 0};
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const struct { const char* name; long double roots[3]; int chosen; } cases[] = {
        {"exact root last", {2, 1.001L, 1}, 2},
        {"exact ties: the lowest index", {1, 1, 1}, 0},
        {"every squared residual beyond 1e300", {1e200L, 3e200L, 2e200L}, 0},
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
// on the scaled residual. An overflowing figure stays an infinity.
TEST(Residuals, ScaledBackVerdictUnscaledOverflowKept)
{
    load({-1, -1, -1});  // the roots
    ws.degree = 3;
    ws.coef_scale = 1e100;
    ws.root_re[0] = 1;  // x^3 + 1 + d, scaled
    for (double d : {1e-9, 1e-6}) {
        ws.root_re[3] = 1 + d;
        compute_residuals();
        EXPECT_EQ(ws.error_re[0], ((1 + d) - 1) * 1e100) << d;
        EXPECT_EQ(ws.error_im[2], 0) << d;
        EXPECT_EQ(ws.roots_accurate, d < 1e-7 ? 1 : 0) << d;
    }

    ws.root_re[3] = 1;
    ws.coef_re[0] = 1e200;  // a root far out: its figure overflows a double
    compute_residuals();
    EXPECT_TRUE(std::isinf(ws.error_re[0]));
    EXPECT_EQ(ws.roots_accurate, 0);
    EXPECT_EQ(ws.error_re[1], 0);
    // Overflowing real and imaginary products meet as inf - inf: still an
    // infinity, never NaN.
    ws.coef_im[0] = 1e200;
    compute_residuals();
    EXPECT_TRUE(std::isinf(ws.error_re[0]));
    EXPECT_TRUE(std::isinf(ws.error_im[0]));
}
