// Prints the bits the solver produces for a fixed set of equations under all
// four keys, the texts the Solve command shows for typed equations, and the
// conversions and formats those texts rest on. Built natively and for
// Windows; the two outputs must be equal, which proves that the executable
// computes and prints what the unit tests checked.
#include <cfloat>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "entry/number_test.h"
#include "entry/result_format.h"
#include "entry/run_solution.h"
#include "solver/fpu.h"
#include "solver/root_finder.h"
#include "solver/solve_driver.h"
#include "solver/workspace.h"

static unsigned long long bits(double x)
{
    unsigned long long b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

// Deterministic coefficients in [-1, 1): a 64-bit linear congruential stream.
static double next_value(std::uint64_t& state)
{
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state >> 11) / 9007199254740992.0 * 2.0 - 1.0;
}

static void solve_and_print(const char* name, int n, const double* re, const double* im)
{
    for (int key = 0; key < 4; ++key) {
        reset_workspace();
        ws.param_change = key & 1;
        ws.deflation_mode = key >> 1;
        ws.degree = n;
        for (int k = 0; k <= n; ++k) {
            ws.coef_re[k] = re[k];
            ws.coef_im[k] = im[k];
        }
        std::printf("%s key %d:", name, key);
        if (scale_coefficients() != SCALE_OK) {
            std::printf(" all zero\n");
            continue;
        }
        for (int k = 0; k <= n; ++k) {
            ws.root_re[k] = ws.coef_re[k];
            ws.root_im[k] = ws.coef_im[k];
        }
        if (solve_equation(nullptr, n) != 0) {
            std::printf(" failed\n");
            continue;
        }
        compute_residuals();
        std::printf(" accurate %d\n", ws.roots_accurate);
        for (int k = 0; k < n; ++k)
            std::printf("  %016llx %016llx  %016llx %016llx\n", bits(ws.coef_re[k]), bits(ws.coef_im[k]),
                        bits(ws.error_re[k]), bits(ws.error_im[k]));
    }
}

// The grid of the Solve command: 60 field texts behind plain handles.
static char field_texts[2 * kRows][kFieldTextSize];

// Types texts[0..count) into the grid, Re and Im of row 0 first, and prints
// what the Solve command shows.
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
    ws.display_mode = 1;
    std::printf("solve %s rounding %d key %d:", name, rounding_digit, key);
    run_solution(nullptr);
    std::printf(" mode %d\n", ws.display_mode);
    for (int k = 0; ws.display_mode == 2 && k < ws.degree; ++k)
        std::printf("  %-6s|%s|%s|%s|%s|\n", ws.row_labels[k], ws.root_text_re[k], ws.root_text_im[k],
                    ws.error_text_re[k], ws.error_text_im[k]);
}

template <int N>
static void solve_texts(const char* name, int rounding_digit, int key, const char* const (&texts)[N])
{
    solve_texts(name, rounding_digit, key, texts, N);
}

static void solve_typed_equations()
{
    const char* const cubic[] = {"-6", "0", "11", "0", "-6", "0", "1", "0"};
    for (int digit = -1; digit < 5; ++digit) solve_texts("cubic", digit, 0, cubic);
    const char* const huge_root[] = {"1", "0", "0", "0", "7e99", "0", "3e-100", "0"};
    const char* const complex[] = {"1.5", "-2", "0", "3.25e-3", "-7", "1e-100", ".5", "-4E2", "2", "0"};
    for (int key = 0; key < 4; ++key) {
        solve_texts("huge root", 2, key, huge_root);
        solve_texts("complex", -1, key, complex);
    }
    const char* const linear[] = {"-1.23456789", "-3.7e-7", "1", "0"};
    solve_texts("linear", 4, 0, linear);
    const char* const refused[] = {"1", "0", "1e200", "0"};
    solve_texts("refused", -1, 0, refused);

    // Thirty rows of texts as a user might type them.
    std::uint64_t state = 4711;
    char typed[2 * kRows][kFieldTextSize];
    const char* pointers[2 * kRows];
    for (int i = 0; i < 2 * kRows; ++i) {
        std::snprintf(typed[i], sizeof typed[i], "%.9g", next_value(state) * 1e3);
        pointers[i] = typed[i];
    }
    for (int key = 0; key < 4; ++key) solve_texts("typed 29", key == 0 ? -1 : 2, key, pointers);
}

// The formats, the conversion and the clean-up on values of every size,
// ties of the decimal rounding included.
static void print_conversions()
{
    const double fixed[] = {12345678.5, 12345677.5, 1234567890123456.25, 2.9999994, -1.2999999,
                            9.9999995, 1e100, -1e-100, 4.9e-324, 1.7976931348623157e308, 0.1, 1.0 / 3};
    std::uint64_t state = 99;
    for (int i = 0; i < 3000; ++i) {
        double x;
        if (i < static_cast<int>(sizeof fixed / sizeof fixed[0])) {
            x = fixed[i];
        } else {
            std::uint64_t b = state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            if ((b >> 52 & 0x7FF) == 0x7FF) continue;  // no infinities and NaNs
            std::memcpy(&x, &b, sizeof x);
        }
        char text[kTextSize];
        format_result(x, text, sizeof text);
        std::printf("%25.16E|%-15.7e|%s|%016llx|%016llx\n", x, x, text, bits(snap_decimal(x)),
                    bits(round_significant(x, 1e5)));
    }
    const char* decimals[] = {"682757576674849e8", "414338920174781e16", "299913413864053e-9",
                              "174041675176585e-7", "9007199254740993", "2.2250738585072011e-308",
                              "1e-320", "2.5E-", "1.0000000000001", "0.1234567890123"};
    for (const char* d : decimals) std::printf("%s %016llx\n", d, bits(decimal_to_double(d, nullptr)));
}

int main()
{
    init_extended_precision();
    std::printf("long double digits %d\n", LDBL_MANT_DIG);

    const double cubic_re[] = {1, -6, 11, -6}, zeros[30] = {};
    solve_and_print("cubic", 3, cubic_re, zeros);
    const double scaled_re[] = {2, -12, 22, -12};
    solve_and_print("scaled cubic", 3, scaled_re, zeros);
    const double quad_re[] = {1, 2, 5};
    solve_and_print("quadratic", 2, quad_re, zeros);
    const double wide_re[] = {1e100, 0, 0, 1e-100};
    solve_and_print("wide", 3, wide_re, zeros);

    std::uint64_t state = 20261206;
    for (int n : {5, 15, 29}) {
        double re[30], im[30];
        for (int k = 0; k <= n; ++k) {
            re[k] = next_value(state);
            im[k] = next_value(state);
        }
        char name[32];
        std::snprintf(name, sizeof name, "random %d", n);
        solve_and_print(name, n, re, im);
    }
    solve_typed_equations();
    print_conversions();
    return 0;
}

// The solver's message boxes have no one to show them to here.
int ui_message_box(UiHandle, const char* text, const char*, unsigned)
{
    std::printf(" [%s]", text);
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
