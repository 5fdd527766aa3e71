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

// Loads real coefficients in solver order and runs what the Solve command
// runs after its checks. Returns solve_equation's result.
int run_key(const std::vector<double>& re, const Key& key, const std::vector<double>& im = {})
{
    reset_fake_ui();
    ws.param_change = key.param_change;
    ws.deflation_mode = key.deflation_mode;
    ws.degree = static_cast<int>(re.size()) - 1;
    for (std::size_t k = 0; k < re.size(); ++k) {
        ws.coef_re[k] = re[k];
        ws.coef_im[k] = k < im.size() ? im[k] : 0;
    }
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

TEST(Scaling, CubicWithSpreadCoefficients)
{
    reset_workspace();
    ws.degree = 3;
    const double re[] = {2, -12, 22, -12};
    for (int k = 0; k < 4; ++k) ws.coef_re[k] = re[k];
    ASSERT_EQ(scale_coefficients(), SCALE_OK);
    EXPECT_EQ(ws.coef_scale, 22);
    EXPECT_EQ(ws.tolerance_divisor, 11);
    EXPECT_EQ(ws.coef_re[0], 2.0 / 22);
    EXPECT_EQ(ws.coef_re[2], 1);
    EXPECT_EQ(ws.saved_coef_re[1], -12);  // the unscaled values are kept
}

TEST(Scaling, WidestSpreadCapsTheDivisor)
{
    reset_workspace();
    ws.degree = 2;
    ws.coef_re[0] = 1e-100;
    ws.coef_im[1] = -1e100;
    ws.coef_re[2] = 3;
    ASSERT_EQ(scale_coefficients(), SCALE_OK);
    EXPECT_EQ(ws.coef_scale, 1e100);
    EXPECT_NE(ws.coef_re[0], 0);  // 1e-200 stays
    EXPECT_EQ(ws.tolerance_divisor, 1e8);
}

TEST(Scaling, AllZeroAndTrim)
{
    reset_workspace();
    ws.degree = 3;
    ws.coef_re[0] = 5;  // only the highest power: coefficients 1..n zero
    EXPECT_EQ(scale_coefficients(), SCALE_ALL_ZERO);
    EXPECT_EQ(ws.coef_re[0], 5);  // nothing changed

    reset_workspace();
    ws.degree = 4;
    ws.coef_re[0] = 1;
    ws.coef_re[2] = 2;  // entries 3 and 4 zero: the degree comes down to 2
    EXPECT_EQ(trim_degree(), 1);
    EXPECT_EQ(ws.degree, 2);
}

TEST(SolveDriver, EveryKeySolvesTheScaledCubic)
{
    for (const Key& key : kKeys) {
        SCOPED_TRACE(key.name);
        ASSERT_EQ(run_key({2, -12, 22, -12}, key), 0);
        std::vector<double> found{ws.coef_re[0], ws.coef_re[1], ws.coef_re[2]};
        std::sort(found.begin(), found.end());
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(found[k], k + 1, 1e-12);
        EXPECT_EQ(ws.roots_accurate, 1);
        EXPECT_TRUE(fake.message_boxes.empty());
    }
}

TEST(SolveDriver, OrderOfRootsPerKey)
{
    // Standard: 3, 2, 1. Parameter change: 1, 3, 2. Deflation keeps the best
    // root of each pass at the end of the list.
    ASSERT_EQ(run_key({1, -6, 11, -6}, kKeys[0]), 0);
    EXPECT_NEAR(ws.coef_re[0], 3, 1e-12);
    EXPECT_NEAR(ws.coef_re[2], 1, 1e-12);
    EXPECT_EQ(ws.coef_im[0], -3.435537881438631e-20);  // what Newton from -i leaves
    ASSERT_EQ(run_key({1, -6, 11, -6}, kKeys[1]), 0);
    EXPECT_NEAR(ws.coef_re[0], 1, 1e-12);
    EXPECT_NEAR(ws.coef_re[1], 3, 1e-12);
    EXPECT_NEAR(ws.coef_re[2], 2, 1e-12);
}

TEST(SolveDriver, ErrorFigureIsScaledBackButTheVerdictIsNot)
{
    ASSERT_EQ(run_key({2, -12, 22, -12}, kKeys[0]), 0);
    // Recompute the scaled residual of root 1 the way the figures are made.
    const double z_re = ws.coef_re[0], z_im = ws.coef_im[0];
    double e_re = ws.root_re[0], e_im = ws.root_im[0];
    for (int i = 1; i <= 3; ++i) {
        using ext = long double;
        double t_re = static_cast<double>(static_cast<ext>(e_re) * z_re - static_cast<ext>(e_im) * z_im);
        double t_im = static_cast<double>(static_cast<ext>(e_re) * z_im + static_cast<ext>(e_im) * z_re);
        e_re = t_re + ws.root_re[i];
        e_im = t_im + ws.root_im[i];
    }
    EXPECT_EQ(ws.error_re[0], e_re * 22);
    EXPECT_EQ(ws.error_im[0], e_im * 22);
}

TEST(SolveDriver, LowDegreesHaveZeroFigures)
{
    for (const Key& key : kKeys) {
        ASSERT_EQ(run_key({1, 2, 5}, key), 0);
        EXPECT_EQ(ws.coef_re[1], -1);
        EXPECT_EQ(ws.coef_im[1], 2);
        EXPECT_EQ(ws.error_re[0], 0);
        EXPECT_EQ(ws.error_im[1], 0);
        EXPECT_EQ(ws.roots_accurate, 1);
        ASSERT_EQ(run_key({2, 4}, key), 0);
        EXPECT_EQ(ws.coef_re[0], -2);
    }
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
        ASSERT_FALSE(fake.cursors.empty());
        EXPECT_EQ(fake.cursors.back(), kCursorArrow);
    }
    reset_fake_ui();
    ws.ui_japanese = 1;
    show_no_convergence(ws.main_window);
    EXPECT_EQ(fake.message_boxes[0].text, "非収束のため解は得られません!\n他の解法をトライしてみてください.");
    EXPECT_EQ(fake.message_boxes[0].caption, "エラー");
}

TEST(SolveDriver, ZeroDivisorsEndWithNoConvergence)
{
    // x^3 + 3x + 4 and x^5 - 5x + 8 scale exactly; their derivative is 0 at -i.
    for (const Key& key : {kKeys[0], kKeys[2]}) {
        EXPECT_EQ(run_key({1, 0, 3, 4}, key), 1);
        EXPECT_EQ(run_key({1, 0, 0, 0, -5, 8}, key), 1);
        ASSERT_EQ(fake.message_boxes.size(), 1u);
        EXPECT_NE(fake.message_boxes[0].text.find("no convergence"), std::string::npos);
    }
}

TEST(SolveDriver, NarrowingOfRootParts)
{
    reset_fake_ui();
    ws.degree = 1;
    ws.coef_re[0] = 1e-301;  // root -1e301: beyond the limit
    ws.coef_re[1] = 1;
    ws.tolerance_divisor = 1;
    EXPECT_EQ(solve_equation(ws.main_window, 1), 1);
    ASSERT_EQ(fake.message_boxes.size(), 1u);
    EXPECT_EQ(fake.message_boxes[0].text, "Unable to get solution because of too large absolute value(s)!");

    reset_fake_ui();
    ws.coef_re[0] = 1;  // root -1e-305: below 1e-300, stored as 0
    ws.coef_re[1] = 1e-305;
    ws.coef_im[1] = 2;
    EXPECT_EQ(solve_equation(ws.main_window, 1), 0);
    EXPECT_EQ(ws.coef_re[0], 0);
    EXPECT_EQ(ws.coef_im[0], -2);
}

TEST(DeflationChoice, SmallestResidualTiesAndFallbacks)
{
    reset_workspace();
    // p(x) = x^3 - 1 in extended: three candidate roots in the work arrays.
    long double p_re[4] = {1, 0, 0, -1}, p_im[4] = {0, 0, 0, 0};
    auto set_roots = [](std::vector<long double> re) {
        for (std::size_t k = 0; k < re.size(); ++k) {
            ws.work_re[k] = re[k];
            ws.work_im[k] = 0;
        }
    };
    set_roots({2, 1.001L, 1});  // exact root last
    EXPECT_EQ(choose_deflation_root(p_re, p_im, 3), 2);
    set_roots({1, 1, 1});  // exact ties: the lowest index
    EXPECT_EQ(choose_deflation_root(p_re, p_im, 3), 0);
    set_roots({1e200L, 3e200L, 2e200L});  // every squared residual beyond 1e300
    EXPECT_EQ(choose_deflation_root(p_re, p_im, 3), 0);
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    set_roots({nan, 1e200L, nan});  // NaN counts as largest
    EXPECT_EQ(choose_deflation_root(p_re, p_im, 3), 1);
    set_roots({nan, nan, nan});
    EXPECT_EQ(choose_deflation_root(p_re, p_im, 3), 0);
}

TEST(Residuals, OverflowIsKeptAndCountsAsInaccurate)
{
    reset_workspace();
    ws.degree = 3;
    ws.coef_scale = 1e100;
    ws.root_re[0] = 1;  // x^3 + 1, scaled
    ws.root_re[3] = 1;
    ws.coef_re[0] = 1e200;  // a root far out: its figure overflows a double
    ws.coef_re[1] = -1;
    ws.coef_re[2] = -1;
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
