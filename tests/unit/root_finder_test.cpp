// The root finder: the formulas of degree 1 and 2, and the equations it must
// give up on instead of dividing by zero or looping. Newton's roots and their
// order are pinned by the Solve command's worked values.
#include "solver/root_finder.h"

#include <gtest/gtest.h>

#include <complex>

#include "solver/workspace.h"

using cext = std::complex<long double>;

// Loads a_0..a_n (a_0 multiplies the highest power) and runs the finder.
static int solve(const std::vector<cext>& a, int param_change)
{
    reset_workspace();
    ws.param_change = param_change;
    ws.tolerance_divisor = 1;
    for (std::size_t k = 0; k < a.size(); ++k) {
        ws.work_re[k] = a[k].real();
        ws.work_im[k] = a[k].imag();
    }
    return find_roots(static_cast<int>(a.size()) - 1);
}

// Degree 1 and 2 by formula, the parameter change or not: entry 1 takes
// the root with +s, s the principal root of the discriminant.
TEST(RootFinder, LinearAndQuadraticFormulas)
{
    const struct { std::vector<cext> a; cext last, first; } cases[] = {  // entries n - 1 and 0
        {{2, 4}, -2, -2},
        {{1, 2, 5}, cext(-1, 2), cext(-1, -2)},                         // discriminant -16, s = 4i
        {{1, -2, 1}, 1, 1},                                             // discriminant 0
        {{1, 0, cext(0, 0.5L)}, cext(0.5L, -0.5L), cext(-0.5L, 0.5L)},  // discriminant -2i, s = 1 - i
    };
    for (int param_change : {0, 1}) {
        for (const auto& c : cases) {
            const int n = static_cast<int>(c.a.size()) - 1;
            ASSERT_EQ(solve(c.a, param_change), ROOTS_OK) << "degree " << n;
            EXPECT_EQ(cext(ws.work_re[n - 1], ws.work_im[n - 1]), c.last) << "degree " << n << ", " << param_change;
            EXPECT_EQ(cext(ws.work_re[0], ws.work_im[0]), c.first) << "degree " << n << ", " << param_change;
        }
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
        // A zero constant term cannot lead the equation in 1/x.
        {"zero constant term in 1/x", {1, 2, 3, 0}, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(solve(c.a, c.param_change), ROOTS_NO_CONVERGENCE) << c.name;

    // x^3 + 3x + 1 scaled by 1/3 is inexact: the derivative at -i is tiny,
    // not zero, and the step huge. Whatever follows is defined and finite.
    if (solve({1.0L / 3, 0, 1, 1.0L / 3}, 0) == ROOTS_OK) {
        for (int k = 0; k < 3; ++k) {
            const cext z(ws.work_re[k], ws.work_im[k]);
            EXPECT_LT(std::abs(z * z * z + 3.0L * z + 1.0L), 1e-9L) << k;
        }
    }
}
