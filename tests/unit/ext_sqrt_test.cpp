// The square-root shortcuts against the iteration they stand in for, on some
// three million values: ext_sqrt the same as every step of its iteration and
// within its proven margin of the true root, and the stopping test deciding
// exactly as ext_sqrt would -- squares swept across the tolerance line ulp by
// ulp, exact squares, equal and near-equal moduli, subnormals, overflowing
// squares and the ends of the range.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>

#include "solver/ext_sqrt.h"
#include "solver/workspace.h"

static std::uint64_t next_bits(std::uint64_t& state)
{
    return state = state * 6364136223846793005ULL + 1442695040888963407ULL;
}

// A random 64-bit significand times 2^e: a value in [2^e, 2^(e+1)).
static long double random_value(std::uint64_t& state, int e)
{
    return std::ldexp(static_cast<long double>(next_bits(state) | 1ULL << 63), e - 63);
}

static long double step_ulps(long double x, int ulps)
{
    for (int i = 0; i < (ulps > 0 ? ulps : -ulps); ++i) x = std::nextafter(x, ulps > 0 ? HUGE_VALL : 0.0L);
    return x;
}

// ext_sqrt's iteration for x > 0 as written down, every step taken.
static long double plain_sqrt(long double x)
{
    long double r = x > 1 ? x : 1, previous;
    do previous = r, r = (x / r + r) * 0.5L;
    while (previous > r);
    return r;
}

TEST(ExtSqrtShortcut, RootIsTheIterationsAndWithinItsMarginOfTheTrueRoot)
{
    std::uint64_t state = 1;
    int failures = 0;
    for (int i = 0; i < 1000000; ++i) {
        long double s = random_value(state, static_cast<int>(next_bits(state) >> 61) - 4);
        if (i % 4 == 0) s = std::ldexp(std::floor(std::ldexp(s, 28)) * std::floor(std::ldexp(s, 28)), -56);  // exact
        const int wide = i < 1000 ? (i % 2 ? 55 : -95) + i % 40 : static_cast<int>(next_bits(state) >> 33 & 0x7FFF) - 16445;
        if (i < 2000) s = random_value(state, wide);  // where the steps that only halve end, and anywhere
        const long double root = ext_sqrt(s), hardware = std::sqrt(s);  // fsqrt: within 2^-64 of the root
        if (std::fabs(root - hardware) <= 0x5p-64L * hardware && (i >= 2000 || root == plain_sqrt(s))) continue;
        if (failures++ < 5) ADD_FAILURE() << "ext_sqrt(" << std::hexfloat << s << ") = " << root << ", sqrt " << hardware;
    }
}

// Coefficients a[0..m] of sizes around 2^e, with the moduli the bound meets:
// equal and nearly equal ones, squares that overflow, NaN, 0 and 2^e itself.
static int random_coefficients(std::uint64_t& state, int e, long double* re, long double* im)
{
    const int m = static_cast<int>(next_bits(state) >> 33) % kRows;
    for (int k = 0; k <= m; ++k) {
        const int j = static_cast<int>((next_bits(state) >> 33) % static_cast<unsigned>(k + 1));
        switch (next_bits(state) >> 60) {
        case 0: re[k] = std::ldexp(1.0L, e), im[k] = 0; break;
        case 1: re[k] = im[j], im[k] = re[j]; break;
        case 2: re[k] = step_ulps(re[j], 1), im[k] = step_ulps(im[j], -2); break;
        case 3: re[k] = 1e2470L, im[k] = 1; break;
        case 4: re[k] = NAN, im[k] = 0; break;
        default:
            re[k] = random_value(state, e - static_cast<int>(next_bits(state) >> 61));
            im[k] = -random_value(state, e - static_cast<int>(next_bits(state) >> 61));
        }
    }
    return m;
}

TEST(ExtSqrtShortcut, StepTestDecidesAsTheIteration)
{
    // Scales of tolerance x bound (binary exponents), trials, and the ulps
    // between swept squares; the widest reach subnormal and overflowing squares.
    const struct { int low, high, trials, stride; } scales[] = {
        {-1, 1, 500, 1}, {-60, 60, 100, 1}, {-8200, -8170, 10, 16}, {8180, 8200, 10, 16}};
    std::uint64_t state = 2;
    int failures = 0;
    for (const auto& scale : scales) {
        for (int trial = 0; trial < scale.trials; ++trial) {
            const int e = scale.low + static_cast<int>((next_bits(state) >> 33) % (scale.high - scale.low + 1));
            const int bound_exponent = static_cast<int>(next_bits(state) >> 59) - 16;
            long double re[kRows] = {}, im[kRows] = {};
            const int m = random_coefficients(state, bound_exponent, re, im);
            const long double tolerance = random_value(state, e - bound_exponent);
            long double bound = ext_sqrt(re[0] * re[0] + im[0] * im[0]);  // the bound's scan, every modulus taken
            for (int k = 1; k <= m; ++k)
                if (const long double size = ext_sqrt(re[k] * re[k] + im[k] * im[k]); size > bound) bound = size;
            StepTest test;
            ASSERT_EQ(make_step_test(re, im, m, tolerance, test), !std::isnan(bound));  // M NaN: no step passes
            long double s = step_ulps((tolerance * bound) * (tolerance * bound), -800);
            for (int i = 0; !std::isnan(bound) && i <= 1600 / scale.stride; ++i, s = step_ulps(s, scale.stride)) {
                // Beside the swept square a random one, and now and then the ends
                // of the range.
                const long double probes[] = {s, s * (next_bits(state) >> 62), 0, HUGE_VALL, NAN, LDBL_TRUE_MIN, LDBL_MAX};
                for (int p = 0; p < (i > 0 ? 2 : 7); ++p) {
                    if (step_converged(test, probes[p]) == (ext_sqrt(probes[p]) / bound <= tolerance)) continue;
                    if (failures++ < 5) ADD_FAILURE() << std::hexfloat << bound << " " << tolerance << " " << probes[p];
                }
            }
        }
    }
}
