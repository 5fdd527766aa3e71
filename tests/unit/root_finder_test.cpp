// The root finder against worked values: formulas for degree 1 and 2, the
// order in which Newton from -i finds roots, the parameter change, failures.
#include "solver/root_finder.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <complex>
#include <vector>

#include "solver/workspace.h"

using ext = long double;
using cext = std::complex<ext>;

namespace {

// Loads a_0..a_n (a_0 multiplies the highest power) and runs the finder.
int solve(const std::vector<cext>& a, int param_change = 0, double divisor = 1)
{
    reset_workspace();
    ws.param_change = param_change;
    ws.tolerance_divisor = divisor;
    for (std::size_t k = 0; k < a.size(); ++k) {
        ws.work_re[k] = a[k].real();
        ws.work_im[k] = a[k].imag();
    }
    return find_roots(static_cast<int>(a.size()) - 1);
}

cext entry(int k)
{
    return {ws.work_re[k], ws.work_im[k]};
}

void expect_near(cext actual, cext expected, ext tolerance, const char* what)
{
    EXPECT_LE(std::abs(actual - expected), tolerance) << what << ": got " << static_cast<double>(actual.real())
                                                      << " + " << static_cast<double>(actual.imag()) << "i";
}

}  // namespace

TEST(ExtSqrt, FollowsItsIteration)
{
    EXPECT_EQ(ext_sqrt(0), 0);
    EXPECT_EQ(ext_sqrt(-4), -1);
    EXPECT_EQ(ext_sqrt(4), 2);
    EXPECT_EQ(ext_sqrt(0.25L), 0.5L);
    for (ext x : {2.0L, 1e-30L, 3e-4000L, 7.5e4000L, LDBL_MAX, LDBL_TRUE_MIN}) {
        ext r = ext_sqrt(x);
        EXPECT_NEAR(static_cast<double>(r / std::sqrt(x)), 1.0, 1e-18) << static_cast<double>(x);
    }
}

TEST(RootFinder, LinearAndQuadraticFormulas)
{
    for (int param_change : {0, 1}) {
        SCOPED_TRACE(param_change);
        ASSERT_EQ(solve({2, 4}, param_change), ROOTS_OK);
        EXPECT_EQ(entry(0), cext(-2, 0));

        ASSERT_EQ(solve({1, 2, 5}, param_change), ROOTS_OK);  // discriminant -16, s = 4i
        EXPECT_EQ(entry(1), cext(-1, 2));
        EXPECT_EQ(entry(0), cext(-1, -2));

        ASSERT_EQ(solve({1, -2, 1}, param_change), ROOTS_OK);  // discriminant 0
        EXPECT_EQ(entry(1), cext(1, 0));
        EXPECT_EQ(entry(0), cext(1, 0));

        ASSERT_EQ(solve({1, 0, cext(0, 0.5L)}, param_change), ROOTS_OK);  // discriminant -2i, s = 1 - i
        EXPECT_EQ(entry(1), cext(0.5L, -0.5L));
        EXPECT_EQ(entry(0), cext(-0.5L, 0.5L));
    }
}

TEST(RootFinder, NewtonOrderOfTheCubic)
{
    const ext tol = 1e-12L;
    ASSERT_EQ(solve({1, -6, 11, -6}), ROOTS_OK);
    expect_near(entry(0), 3, tol, "last linear factor");
    expect_near(entry(1), 2, tol, "second Newton root");
    expect_near(entry(2), 1, tol, "first Newton root");
    expect_near(entry(3), 1, tol, "entry n keeps the first root");

    // Any positive scaling gives the same order.
    ASSERT_EQ(solve({0.5L, -3, 5.5L, -3}), ROOTS_OK);
    expect_near(entry(0), 3, tol, "scaled");
    expect_near(entry(2), 1, tol, "scaled");

    // In 1/x the finder meets 1/2, then 1/3, and 1 last.
    ASSERT_EQ(solve({1, -6, 11, -6}, 1), ROOTS_OK);
    expect_near(entry(0), 1, tol, "param change, linear factor");
    expect_near(entry(1), 3, tol, "param change, second");
    expect_near(entry(2), 2, tol, "param change, first");
}

TEST(RootFinder, CubeRootsOfUnity)
{
    ASSERT_EQ(solve({1, 0, 0, -1}), ROOTS_OK);
    const ext h = std::sqrt(3.0L) / 2;
    expect_near(entry(2), cext(-0.5L, -h), 1e-12L, "first");
    expect_near(entry(1), 1, 1e-12L, "second");
    expect_near(entry(0), cext(-0.5L, h), 1e-12L, "last");
}

TEST(RootFinder, FourthRootsOfUnityNeverConverge)
{
    // -i is a root, i follows, and on x^2 - 1 every iterate from -i stays
    // on the imaginary axis until the step cap.
    EXPECT_EQ(solve({1, 0, 0, 0, -1}), ROOTS_NO_CONVERGENCE);
    EXPECT_EQ(solve({1, 0, 0, 0, -1}, 1), ROOTS_NO_CONVERGENCE);
}

TEST(RootFinder, ZeroDerivativeAtTheStartEndsTheCall)
{
    // 3z^2 + 3 and 5z^4 - 5 vanish exactly at -i: the first step divides by 0.
    EXPECT_EQ(solve({1, 0, 3, 4}), ROOTS_NO_CONVERGENCE);
    EXPECT_EQ(solve({0.25L, 0, 0.75L, 1}), ROOTS_NO_CONVERGENCE);
    EXPECT_EQ(solve({1, 0, 0, 0, -5, 8}), ROOTS_NO_CONVERGENCE);
    // A zero leading coefficient (reversed zero constant term) cannot be
    // normalised.
    EXPECT_EQ(solve({1, 2, 3, 0}, 1), ROOTS_NO_CONVERGENCE);
}

TEST(RootFinder, TinyDerivativeGivesAHugeStepButAFiniteAnswer)
{
    // x^3 + 3x + 1 scaled by 1/3 is inexact: the derivative at -i is tiny,
    // not zero. Whatever happens next, the answer is defined and finite.
    int result = solve({1.0L / 3, 0, 1, 1.0L / 3});
    ASSERT_TRUE(result == ROOTS_OK || result == ROOTS_NO_CONVERGENCE);
    if (result == ROOTS_OK) {
        for (int k = 0; k < 3; ++k) {
            cext z = entry(k);
            EXPECT_TRUE(std::isfinite(z.real()) && std::isfinite(z.imag()));
            EXPECT_LT(std::abs(z * z * z + 3.0L * z + 1.0L), 1e-9L);
        }
    }
}

TEST(RootFinder, Degree29FromKnownRoots)
{
    // Roots spread on two circles; Newton from -i must find every one.
    std::vector<cext> roots;
    for (int k = 0; k < 29; ++k) {
        ext angle = 2 * 3.14159265358979323846L * k / 29 + 0.1L;
        ext radius = k % 2 ? 0.6L : 1.3L;
        roots.push_back(std::polar(radius, angle));
    }
    std::vector<cext> a{1};
    for (cext r : roots) {  // multiply by (x - r)
        a.push_back(0);
        for (std::size_t i = a.size() - 1; i > 0; --i) a[i] -= r * a[i - 1];
    }
    ASSERT_EQ(solve(a), ROOTS_OK);
    std::vector<bool> matched(29, false);
    for (int k = 0; k < 29; ++k) {
        int best = -1;
        for (int i = 0; i < 29; ++i)
            if (!matched[i] && (best < 0 || std::abs(entry(k) - roots[i]) < std::abs(entry(k) - roots[best])))
                best = i;
        EXPECT_LT(std::abs(entry(k) - roots[best]), 1e-6L) << "root " << k;
        matched[best] = true;
    }
}
