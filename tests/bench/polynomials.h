// The benchmark's equations: random complex coefficients in [-1, 1) from a
// 64-bit linear congruential stream, the same in C++ and in numpy_roots.py.
#pragma once

#include <cstdint>

struct BenchPolynomial {
    int degree;
    double re[30], im[30];  // solver order: entry 0 multiplies the highest power
};

inline double bench_next(std::uint64_t& state)
{
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state >> 11) / 9007199254740992.0 * 2.0 - 1.0;
}

// Polynomial number `index` of the given degree.
inline BenchPolynomial bench_polynomial(int degree, int index)
{
    BenchPolynomial p{};
    p.degree = degree;
    std::uint64_t state = 1000003ULL * static_cast<std::uint64_t>(degree) + static_cast<std::uint64_t>(index);
    for (int k = 0; k <= degree; ++k) {
        p.re[k] = bench_next(state);
        p.im[k] = bench_next(state);
    }
    return p;
}

constexpr int kBenchPolynomials = 16;
