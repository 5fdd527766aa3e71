// Prints what the solver makes of many equations under all four keys --
// outcome, message, roots and error figures as bits -- then the texts the
// Solve command shows for typed equations and the conversions those texts
// rest on. Built natively and for Windows: the native output must equal the
// recorded numeric_bits.txt, and the Windows output the native one, so not one
// bit of a root, an error figure or a text moves unnoticed.
//   numeric_check < bench/polynomials.txt
#include <cfloat>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "bench/bench_solve.h"
#include "entry/result_format.h"
#include "entry/run_solution.h"
#include "solver/fpu.h"

static unsigned long long bits(double x)
{
    unsigned long long b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

// A 64-bit linear congruential stream; next_value is uniform in [-1, 1).
static std::uint64_t next_bits(std::uint64_t& state)
{
    return state = state * 6364136223846793005ULL + 1442695040888963407ULL;
}
static double next_value(std::uint64_t& state)
{
    return static_cast<double>(next_bits(state) >> 11) / 9007199254740992.0 * 2.0 - 1.0;
}

// Solves p under the four keys. The benchmark's equations print every root
// and error figure; the random ones a 64-bit digest (FNV-1a) of them.
static void solve_all_keys(const BenchPolynomial& p, bool full)
{
    for (int key = 0; key < 4; ++key) {
        reset_workspace();
        std::printf("%s key %d:", p.id, key);
        if (int result = bench_solve(p, key)) {
            std::printf(" result %d\n", result);
            continue;
        }
        std::printf(" accurate %d", ws.roots_accurate);
        std::uint64_t digest = 14695981039346656037ULL;
        for (int k = 0; k < ws.degree; ++k) {
            const double parts[] = {ws.coef_re[k], ws.coef_im[k], ws.error_re[k], ws.error_im[k]};
            if (full) std::printf("\n  %016llx %016llx  %016llx %016llx", bits(parts[0]), bits(parts[1]),
                                  bits(parts[2]), bits(parts[3]));
            for (double part : parts)
                for (int i = 0; i < 64; i += 8) digest = (digest ^ (bits(part) >> i & 0xFF)) * 1099511628211ULL;
        }
        if (!full) std::printf(" %016" PRIx64, digest);
        std::printf("\n");
    }
}

// Equation `index` of degree n, of four kinds in turn: complex and real
// coefficients whose magnitudes spread over up to 2^-332..2^331 (the wider
// the higher the index; one in eight parts zero), and products of (x - r)
// with small Gaussian-integer and half-integer roots, repeated ones included.
// The widest spreads reach the limits 1e-100 and 1e100 themselves.
static BenchPolynomial random_equation(int n, int index)
{
    BenchPolynomial p{};
    std::snprintf(p.id, sizeof p.id, "random %d.%d", n, index);
    p.degree = n;
    std::uint64_t state = 1000003ULL * static_cast<std::uint64_t>(n) + static_cast<std::uint64_t>(index);
    const int kind = index % 4, spread = 332 * (index / 4 % 9) / 8;
    if (kind == 3) {
        static const double roots[][2] = {{1, 0}, {-1, 0}, {2, 0}, {-2, 0}, {0.5, 0}, {-0.5, 0}, {3, 0},
                                          {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {0.5, -1.5}};
        p.re[0] = 1;
        for (int j = 1; j <= n; ++j) {  // multiply p[0..j-1] by (x - r)
            const double* r = roots[(next_bits(state) >> 33) % 13];
            for (int k = j; k >= 1; --k) {
                p.re[k] -= r[0] * p.re[k - 1] - r[1] * p.im[k - 1];
                p.im[k] -= r[0] * p.im[k - 1] + r[1] * p.re[k - 1];
            }
        }
        return p;
    }
    for (int k = 0; k <= n; ++k) {
        for (double* part : {&p.re[k], &p.im[k]}) {
            const double v = next_value(state);
            const int exponent = spread == 0 ? 0 : static_cast<int>(next_bits(state) >> 33) % (2 * spread - 1) - spread + 1;
            const bool zero = (k > 0 && k < n && (next_bits(state) >> 61) == 0) || (kind == 1 && part == &p.im[k]);
            *part = zero ? 0 : std::ldexp(v < 0 ? v - 0.5 : v + 0.5, exponent);
        }
    }
    if (spread == 332) {
        p.re[0] = 1e100;
        p.im[n] = -1e-100;
    }
    return p;
}

// The grid of the Solve command: 60 field texts behind plain handles.
static char field_texts[2 * kRows][kFieldTextSize];

// Types texts (Re and Im of row 0 first) into the grid, solves with the
// given rounding (-1 none) and key, and prints what the grid then shows.
static void solve_texts(const char* name, int rounding_digit, int key, const char* const* texts, int count)
{
    reset_workspace();
    std::memset(field_texts, 0, sizeof field_texts);
    for (int r = 0; r < kRows; ++r) {
        ws.field_re[r] = field_texts[r];
        ws.field_im[r] = field_texts[kRows + r];
    }
    for (int i = 0; i < count; ++i)
        std::snprintf(field_texts[(i % 2) * kRows + i / 2], kFieldTextSize, "%s", texts[i]);
    const double scales[] = {1000, 100, 10, 1, 0.1};
    ws.rounding_enabled = rounding_digit >= 0;
    if (rounding_digit >= 0) ws.rounding_scale = scales[rounding_digit];
    ws.param_change = key & 1;
    ws.deflation_mode = key >> 1;
    ws.display_mode = kModeInput;
    std::printf("solve %s rounding %d key %d:", name, rounding_digit, key);
    run_solution(nullptr);
    std::printf(" mode %d\n", ws.display_mode);
    for (int k = 0; ws.display_mode == kModeRoots && k < ws.degree; ++k)
        std::printf("  %-6s|%s|%s|%s|%s|\n", ws.row_labels[k], ws.root_text_re[k], ws.root_text_im[k],
                    ws.error_text_re[k], ws.error_text_im[k]);
}

static void solve_typed_equations()
{
    const char* const cubic[] = {"-6", "0", "11", "0", "-6", "0", "1", "0"};
    for (int digit = -1; digit < 5; ++digit) solve_texts("cubic", digit, 0, cubic, 8);
    const char* const huge_root[] = {"1", "0", "0", "0", "7e99", "0", "3e-100", "0"};
    const char* const complex[] = {"1.5", "-2", "0", "3.25e-3", "-7", "1e-100", ".5", "-4E2", "2", "0"};
    for (int key = 0; key < 4; ++key) {
        solve_texts("huge root", 2, key, huge_root, 8);
        solve_texts("complex", -1, key, complex, 10);
    }
    const char* const linear[] = {"-1.23456789", "-3.7e-7", "1", "0"};
    solve_texts("linear", 4, 0, linear, 4);
    const char* const refused[] = {"1", "0", "1e200", "0"};
    solve_texts("refused", -1, 0, refused, 4);

    std::uint64_t state = 4711;  // thirty rows as a user might type them
    char typed[2 * kRows][kFieldTextSize];
    const char* pointers[2 * kRows];
    for (int i = 0; i < 2 * kRows; ++i) {
        std::snprintf(typed[i], sizeof typed[i], "%.9g", next_value(state) * 1e3);
        pointers[i] = typed[i];
    }
    for (int key = 0; key < 4; ++key) solve_texts("typed 29", key == 0 ? -1 : 2, key, pointers, 2 * kRows);
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
    std::printf("long double digits %d\n", LDBL_MANT_DIG);
    static BenchPolynomial bench[kMaxBenchPolynomials];
    const int count = read_bench_polynomials(stdin, bench, kMaxBenchPolynomials);
    if (count <= 0) {
        std::fprintf(stderr, "numeric_check: the benchmark's equations expected on standard input\n");
        return 2;
    }
    for (int i = 0; i < count; ++i) solve_all_keys(bench[i], true);
    for (int n = 1; n < kRows; ++n)
        for (int index = 0; index < 100; ++index) solve_all_keys(random_equation(n, index), false);
    solve_typed_equations();
    print_conversions();
    return 0;
}

// The messages have no one to show them to here: their first line goes out.
int ui_message_box(UiHandle, const char* text, const char*, unsigned)
{
    std::printf(" [%.*s]", static_cast<int>(std::strcspn(text, "\n")), text);
    return kIdOk;
}
void ui_set_cursor(int) {}
void ui_repaint(UiHandle, int, int, int, int) {}

int ui_get_text(UiHandle window, char* buf, int capacity)
{
    std::snprintf(buf, static_cast<std::size_t>(capacity), "%s", static_cast<const char*>(window));
    return static_cast<int>(std::strlen(buf));
}

void ui_set_text(UiHandle window, const char* text)
{
    std::snprintf(static_cast<char*>(window), kFieldTextSize, "%s", text);
}
