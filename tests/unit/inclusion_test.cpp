// Inclusion disks: the value bound against arithmetic in 113 bits, and the
// disks and clusters against roots known to that precision.
#include "solver/inclusion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "entry/number_test.h"
#include "solver/written_equation.h"

namespace {

using ext = long double;
using quad = __float128;

struct Equation {
    std::vector<ext> re, im, err;
    int degree() const { return static_cast<int>(re.size()) - 1; }
};

struct QuadComplex {
    quad re, im;
};

QuadComplex mul(QuadComplex a, QuadComplex b)
{
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

// p(x) and p'(x) in 113-bit arithmetic, and sum |a_k| |x|^(n-k).
void evaluate(const Equation& p, QuadComplex x, QuadComplex& value, QuadComplex& slope, quad& size)
{
    value = {p.re[0], p.im[0]};
    slope = {0, 0};
    size = std::hypot(double(p.re[0]), double(p.im[0]));
    const quad x_size = std::hypot(double(x.re), double(x.im));
    for (int k = 1; k <= p.degree(); ++k) {
        const QuadComplex s = mul(slope, x);
        slope = {s.re + value.re, s.im + value.im};
        const QuadComplex v = mul(value, x);
        value = {v.re + p.re[k], v.im + p.im[k]};
        size = size * x_size + std::hypot(double(p.re[k]), double(p.im[k]));
    }
}

// The true root near z, by Newton's method in 113 bits.
QuadComplex true_root(const Equation& p, double z_re, double z_im)
{
    QuadComplex x{z_re, z_im};
    for (int step = 0; step < 8; ++step) {
        QuadComplex v, d;
        quad size;
        evaluate(p, x, v, d, size);
        const quad q = d.re * d.re + d.im * d.im;
        if (q == 0) break;
        x.re -= (v.re * d.re + v.im * d.im) / q;
        x.im -= (v.im * d.re - v.re * d.im) / q;
    }
    return x;
}

std::mt19937_64 random_source(20);

double uniform(double low, double high)
{
    return std::uniform_real_distribution<double>(low, high)(random_source);
}

// prod (x - r_j) from the roots, in extended precision: the equation is then
// the rounded coefficients themselves, with roots near r_j. Taken in a
// shuffled order, so that no partial product of neighbours grows far beyond
// the result.
Equation from_roots(std::vector<std::complex<double>> roots)
{
    std::shuffle(roots.begin(), roots.end(), random_source);
    Equation p{{1}, {0}, {0}};
    for (const auto& r : roots) {
        p.re.push_back(0);
        p.im.push_back(0);
        for (int k = p.degree(); k >= 1; --k) {
            p.re[k] -= p.re[k - 1] * r.real() - p.im[k - 1] * r.imag();
            p.im[k] -= p.re[k - 1] * r.imag() + p.im[k - 1] * r.real();
        }
        p.err.push_back(0);
    }
    return p;
}

struct Proof {
    bool proven;
    std::vector<double> radius;
    std::vector<int> cluster, size;
};

Proof prove(const Equation& p, const std::vector<double>& z_re, const std::vector<double>& z_im)
{
    const int n = p.degree();
    Proof proof{false, std::vector<double>(n), std::vector<int>(n), std::vector<int>(n)};
    proof.proven = prove_roots(n, p.re.data(), p.im.data(), p.err.data(), z_re.data(), z_im.data(),
                               proof.radius.data(), proof.cluster.data(), proof.size.data());
    return proof;
}

}  // namespace

TEST(ValueBound, HoldsAndIsTightAgainst113Bits)
{
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 1 + trial % 40;
        Equation p;
        for (int k = 0; k <= n; ++k) {
            p.re.push_back(std::ldexp(static_cast<ext>(uniform(-1, 1)), trial % 7 * 30 - 90) / 3);
            p.im.push_back(trial % 3 ? static_cast<ext>(uniform(-1, 1)) / 7 : 0);
            p.err.push_back(0);
        }
        // Near the unit circle, where the terms cancel most, and far off it.
        const double size = trial % 5 == 0 ? uniform(0, 40) : uniform(0.8, 1.25);
        const double angle = uniform(0, 6.3);
        const QuadComplex x{size * std::cos(angle), size * std::sin(angle)};
        QuadComplex v, d;
        quad majorant;
        evaluate(p, x, v, d, majorant);
        const quad square = v.re * v.re + v.im * v.im, scale = majorant;
        for (bool compensated : {false, true}) {
            const quad bound = value_bound(n, p.re.data(), p.im.data(), p.err.data(), double(x.re), double(x.im),
                                           compensated);
            SCOPED_TRACE(testing::Message() << "trial " << trial << " degree " << n << " compensated " << compensated);
            // The 113-bit value is itself within 2n 2^-113 of the majorant.
            const quad below = bound + 2 * n * 0x1p-112 * scale;
            EXPECT_GE(below * below, square);
            // Beside the rounding of |p| itself: n 2^-64 or, compensated, 2^-128 of
            // the majorant.
            const quad above = bound * (1 - 0x1p-52) - (compensated ? 0x1p-100 : 0x1p-58) * n * scale;
            EXPECT_TRUE(above <= 0 || above * above <= square);
        }
    }
}

TEST(ValueBound, CountsTheUncertaintyAndKeepsTheRange)
{
    // (x - 3)^3 at 3: an uncertainty of 1e-10 in the constant term is all the bound.
    Equation p{{1, -9, 27, -27}, {0, 0, 0, 0}, {0, 0, 0, 0}};
    p.err[3] = 1e-10L;
    const ext uncertain = value_bound(3, p.re.data(), p.im.data(), p.err.data(), 3.0, 0, true);
    EXPECT_TRUE(uncertain >= 1e-10L && uncertain <= 1.001e-10L);
    // Values beyond the extended range: a bound, not a wrap-around.
    Equation wide{std::vector<ext>(3001, 0), std::vector<ext>(3001, 0), std::vector<ext>(3001, 0)};
    wide.re[0] = 1;  // x^3000 at 1e300 and at 8
    EXPECT_TRUE(std::isinf(value_bound(3000, wide.re.data(), wide.im.data(), wide.err.data(), 1e300, 0, false)));
    const ext near = value_bound(3000, wide.re.data(), wide.im.data(), wide.err.data(), 8, 0, false);
    EXPECT_TRUE(near >= 0x1p9000L && near <= 0x1p9001L);
}

TEST(ProveRoots, DisksHoldTheTrueRootsAndAreTight)
{
    std::vector<std::vector<std::complex<double>>> cases = {
        // Roots from 1e-150 to 1e150 in one equation.
        {{1e-150, 0}, {0, 1e-50}, {1, 1}, {0, -1e50}, {1e150, 0}}};
    // Spread around the unit circle, well conditioned, so that 113 bits tell
    // the true roots far more closely than the radii.
    for (int n : {1, 2, 5, 29, 120}) {
        cases.emplace_back();
        for (int k = 0; k < n; ++k)
            cases.back().push_back(std::polar(uniform(0.98, 1.02), (k + uniform(0, 0.3)) * 6.283 / n));
    }
    for (const auto& roots : cases) {
        const Equation p = from_roots(roots);
        const int n = p.degree();
        std::vector<double> z_re, z_im;
        for (const auto& r : roots) {
            // The roots as a solver would give them, one rounding off.
            const QuadComplex t = true_root(p, r.real(), r.imag());
            z_re.push_back(double(t.re));
            z_im.push_back(double(t.im));
        }
        const Proof proof = prove(p, z_re, z_im);
        SCOPED_TRACE(testing::Message() << "degree " << n);
        ASSERT_TRUE(proof.proven);
        for (int i = 0; i < n; ++i) {
            const QuadComplex t = true_root(p, z_re[i], z_im[i]);
            // 113 bits tell these roots to some 2^-105 of their size.
            const quad dx = t.re - z_re[i], dy = t.im - z_im[i];
            const quad r = proof.radius[i] + 0x1p-100 * std::hypot(z_re[i], z_im[i]);
            EXPECT_TRUE(dx * dx + dy * dy <= r * r) << double(dx) << " " << double(dy) << " " << double(r);
            EXPECT_LE(proof.radius[i], 1e-14 * std::hypot(z_re[i], z_im[i]));
            EXPECT_EQ(proof.size[i], 1);
            EXPECT_EQ(proof.cluster[i], i + 1);
        }
    }
}

TEST(ProveRoots, WhatCannotBeProvenIsInfinite)
{
    const Equation p{{1, 0, -1}, {0, 0, 0}, {0, 0, 0}};
    const Proof nan = prove(p, {1, NAN}, {0, 0});
    EXPECT_FALSE(nan.proven);
    EXPECT_EQ(nan.radius, (std::vector<double>{HUGE_VAL, HUGE_VAL}));
    EXPECT_EQ(nan.cluster, (std::vector<int>{1, 1}));
    EXPECT_EQ(nan.size, (std::vector<int>{2, 2}));
    // Equal roots: proven about centres moved apart, as one cluster.
    const struct {
        const char* name;
        Equation p;
        double largest, reach;  // the radii at most largest, one at least reach
    } equal[] = {
        {"(x - 1)^2 found exactly", {{1, -2, 1}, {0, 0, 0}, {0, 0, 0}}, 1e-6, 0},
        {"x^2 - 1 with both roots at 1", p, 1e300, 2},
    };
    for (const auto& c : equal) {
        SCOPED_TRACE(c.name);
        const Proof proof = prove(c.p, {1, 1}, {0, 0});
        EXPECT_TRUE(proof.proven);
        EXPECT_EQ(proof.size, (std::vector<int>{2, 2}));
        for (double r : proof.radius) EXPECT_LE(r, c.largest);
        EXPECT_GE(std::fmax(proof.radius[0], proof.radius[1]), c.reach);
    }
    Equation uncertain = p;
    uncertain.err[0] = 1;  // the leading coefficient may be 0
    EXPECT_FALSE(prove(uncertain, {1, -1}, {0, 0}).proven);
    // x^3 - 1 at +-1.7e308: a radius of 2.6e308.
    const Equation cubic{{1, 0, 0, -1}, {0, 0, 0, 0}, {0, 0, 0, 0}};
    EXPECT_FALSE(prove(cubic, {1.7e308, -1.7e308, 1}, {0, 0, 0}).proven);
    Equation infinite = p;
    infinite.re[1] = INFINITY;
    EXPECT_FALSE(prove(infinite, {1, -1}, {0, 0}).proven);
}

TEST(DecimalReadingError, ZeroExactlyWhereTheTextIsAnExtendedReal)
{
    const struct {
        const char* text;
        bool exact;
    } cases[] = {{"3", true},           {"-27", true},          {"0.5", true},   {"1.25e-3", false},
                 {"0.1", false},        {"123456789012345678901", false}, {"1e19", true},  {"1e30", false},
                 {"  +6.103515625e-05", true}, {"0", true},     {"0.000", true}, {"2.50000000000000000000000", true}};
    for (const auto& c : cases) {
        const ext value = decimal_to_extended(c.text);
        const ext err = decimal_reading_error(c.text, value);
        EXPECT_EQ(err == 0, c.exact) << c.text;
        EXPECT_LE(err, std::fabs(value) * 0x1p-62L + 0x1p-15000L) << c.text;
    }
}

