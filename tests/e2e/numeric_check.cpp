// Prints the bits the solver produces for a fixed set of equations under all
// four keys. Built natively and for Windows; the two outputs must be equal,
// which proves that the executable computes what the unit tests checked.
#include <cfloat>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <initializer_list>

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
    return 0;
}

// The solver's message boxes have no one to show them to here.
int ui_message_box(UiHandle, const char* text, const char*, unsigned)
{
    std::printf(" [%s]", text);
    return kIdOk;
}
void ui_set_cursor(int) {}
