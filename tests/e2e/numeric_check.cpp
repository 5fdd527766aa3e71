// Prints what the solver makes of many equations under all five keys --
// outcome, message, roots and error figures as bits -- and the conversions
// and formats that make the texts of roots and error figures. Built natively
// and for Windows: the native output must equal the recorded numeric_bits.txt
// and the Windows output the native one, so not one bit of a root, an error
// figure or a text moves unnoticed.
//   numeric_check < bench/polynomials.txt
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "bench/bench_solve.h"
#include "entry/result_format.h"
#include "solver/fpu.h"

static unsigned long long bits(double x)
{
    unsigned long long b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

// A 64-bit linear congruential stream.
static std::uint64_t next_bits(std::uint64_t& state)
{
    return state = state * 6364136223846793005ULL + 1442695040888963407ULL;
}

// The message of a failure, as its first line.
static void print_first_line(const char* text)
{
    std::printf(" [%.*s]", static_cast<int>(std::strcspn(text, "\n")), text);
}

// Solves p under every key. The benchmark's equations print every root
// and error figure; the random ones a 64-bit digest (FNV-1a) of them.
static void solve_all_keys(const BenchPolynomial& p, bool full)
{
    for (int key = 0; key < kSolveKeys; ++key) {
        reset_workspace();
        std::printf("%s key %d:", p.id, key);
        const SolveResult outcome = bench_solve(p, static_cast<SolveKey>(key));
        const int result = result_number(outcome);
        if (result == 1) print_first_line(pick_text(failure_text(outcome)));  // 0 solved: roots and error figures follow
        std::printf(result ? " result %d" : " accurate %d", result ? result : ws.roots_accurate);
        std::uint64_t digest = 14695981039346656037ULL;
        for (int k = 0; result == 0 && k < ws.degree; ++k) {
            const double parts[] = {ws.coef_re[k], ws.coef_im[k], ws.error_re[k], ws.error_im[k]};
            if (full) std::printf("\n  %016llx %016llx  %016llx %016llx", bits(parts[0]), bits(parts[1]),
                                  bits(parts[2]), bits(parts[3]));
            for (double part : parts)
                for (int i = 0; i < 64; i += 8) digest = (digest ^ (bits(part) >> i & 0xFF)) * 1099511628211ULL;
        }
        if (!full && result == 0) std::printf(" %016llx", static_cast<unsigned long long>(digest));
        std::printf("\n");
    }
}

// Equation `index` of degree n, of four kinds in turn: complex and real
// coefficients whose magnitudes spread over up to 2^-332..2^331 (the wider
// the higher the index; one in eight parts zero), and products of (x - r)
// with roots r in {-1.5, -0.5, 0.5, 1.5} + {-1, 0, 1, 2}i, repeated ones
// included. The widest spreads reach the limits 1e-100 and 1e100 themselves.
static BenchPolynomial random_equation(int n, int index)
{
    BenchPolynomial p{};
    std::snprintf(p.id, sizeof p.id, "random %d.%d", n, index);
    p.degree = n;
    std::uint64_t state = 1000003ULL * static_cast<std::uint64_t>(n) + static_cast<std::uint64_t>(index);
    const int kind = index % 4, spread = 332 * (index / 4 % 9) / 8;
    if (kind == 3) {
        p.re[0] = 1;
        for (int j = 1; j <= n; ++j) {  // p[0..j-1] times (x - r)
            const double r_re = static_cast<double>(next_bits(state) >> 62) - 1.5;
            const double r_im = static_cast<double>(next_bits(state) >> 62) - 1;
            for (int k = j; k >= 1; --k) {
                p.re[k] -= r_re * p.re[k - 1] - r_im * p.im[k - 1];
                p.im[k] -= r_re * p.im[k - 1] + r_im * p.re[k - 1];
            }
        }
        return p;
    }
    for (int k = 0; k <= n; ++k) {
        for (double* part : {&p.re[k], &p.im[k]}) {
            const double v = static_cast<double>(next_bits(state) >> 11) / 0x1p53 * 2 - 1;  // in [-1, 1)
            const int exponent = spread == 0 ? 0 : static_cast<int>(next_bits(state) >> 33) % (2 * spread - 1) - spread + 1;
            const bool zero = (k > 0 && k < n && (next_bits(state) >> 61) == 0) || (kind == 1 && part == &p.im[k]);
            *part = zero ? 0 : std::ldexp(v < 0 ? v - 0.5 : v + 0.5, exponent);
        }
    }
    if (spread == 332) p.re[0] = 1e100, p.im[n] = -1e-100;
    return p;
}

// The formats, the conversion and the clean-up on values of every size,
// ties of the decimal rounding included.
static void print_conversions()
{
    const double fixed[] = {12345678.5, 12345677.5, 1234567890123456.25, 2.9999994, -1.2999999,
                            9.9999995, 1e100, -1e-100, 4.9e-324, 1.7976931348623157e308, 0.1, 1.0 / 3};
    std::uint64_t state = 99;
    for (int i = 0; i < 3000; ++i) {
        double x = i < 12 ? fixed[i] : 0;
        const std::uint64_t b = next_bits(state);
        if (i >= 12 && (b >> 52 & 0x7FF) == 0x7FF) continue;  // no infinities and NaNs
        if (i >= 12) std::memcpy(&x, &b, sizeof x);
        char text[kTextSize];
        format_result(x, text, sizeof text);
        std::printf("%25.16E|%-15.7e|%s|%016llx|%016llx\n", x, x, text, bits(snap_decimal(x)),
                    bits(round_significant(x, 1e5)));
    }
    for (const char* d : {"682757576674849e8", "414338920174781e16", "299913413864053e-9", "174041675176585e-7",
                          "9007199254740993", "2.2250738585072011e-308", "1e-320", "2.5E-", "1.0000000000001"})
        std::printf("%s %016llx\n", d, bits(decimal_to_double(d, nullptr)));
}

int main()
{
    init_extended_precision();
    static BenchPolynomial bench[kMaxBenchPolynomials];
    const int count = read_bench_polynomials(stdin, bench, kMaxBenchPolynomials);
    if (count <= 0) return std::fprintf(stderr, "numeric_check: the benchmark's equations on standard input\n"), 2;
    for (int i = 0; i < count; ++i) solve_all_keys(bench[i], true);
    for (int n = 1; n < kRows; ++n)
        for (int index = 0; index < 100; ++index) solve_all_keys(random_equation(n, index), false);
    print_conversions();
    return 0;
}
