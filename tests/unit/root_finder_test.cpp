// The root finder against worked values: formulas for degree 1 and 2, the
// order in which Newton from -i finds roots, the parameter change, failures.
#include "solver/root_finder.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    const struct { std::vector<cext> a; cext last, first; } cases[] = {  // entries n - 1 and 0
        {{2, 4}, -2, -2},
        {{1, 2, 5}, cext(-1, 2), cext(-1, -2)},                      // discriminant -16, s = 4i
        {{1, -2, 1}, 1, 1},                                          // discriminant 0
        {{1, 0, cext(0, 0.5L)}, cext(0.5L, -0.5L), cext(-0.5L, 0.5L)},  // discriminant -2i, s = 1 - i
    };
    for (int param_change : {0, 1}) {
        for (const auto& c : cases) {
            const int n = static_cast<int>(c.a.size()) - 1;
            ASSERT_EQ(solve(c.a, param_change), ROOTS_OK) << "degree " << n << " param " << param_change;
            EXPECT_EQ(entry(n - 1), c.last) << "degree " << n << " param " << param_change;
            EXPECT_EQ(entry(0), c.first) << "degree " << n << " param " << param_change;
        }
    }
}

// Newton from -i meets the roots in a fixed order; entry 0 holds the root of
// the last linear factor.
TEST(RootFinder, NewtonOrderOfTheRoots)
{
    const ext h = std::sqrt(3.0L) / 2;
    const struct { const char* name; std::vector<cext> a; int param_change; cext roots[3]; } cases[] = {
        {"cubic", {1, -6, 11, -6}, 0, {3, 2, 1}},
        {"cubic in 1/x: 1/2, 1/3, 1 last", {1, -6, 11, -6}, 1, {1, 3, 2}},
        {"cube roots of unity", {1, 0, 0, -1}, 0, {cext(-0.5L, h), 1, cext(-0.5L, -h)}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(solve(c.a, c.param_change), ROOTS_OK) << c.name;
        for (int k = 0; k < 3; ++k) expect_near(entry(k), c.roots[k], 1e-12L, c.name);
    }
}

TEST(RootFinder, FailuresEndTheCall)
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
        // A zero leading coefficient (reversed zero constant term) cannot be
        // normalised.
        {"zero constant term in 1/x", {1, 2, 3, 0}, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(solve(c.a, c.param_change), ROOTS_NO_CONVERGENCE) << c.name;
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
    std::vector<cext> unmatched = roots;
    for (int k = 0; k < 29; ++k) {
        auto nearest = std::min_element(unmatched.begin(), unmatched.end(), [k](cext x, cext y) {
            return std::abs(entry(k) - x) < std::abs(entry(k) - y);
        });
        EXPECT_LT(std::abs(entry(k) - *nearest), 1e-6L) << "root " << k;
        unmatched.erase(nearest);
    }
}
