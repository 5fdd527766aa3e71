// The solver on arbitrary accepted coefficient vectors of degree 1..29 under
// all five keys: it ends within its step caps, solved or with a failure it
// names (never a refusal, never a word to the user), with finite roots and no
// NaN error figure on success.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "solver/solve_driver.h"
#include "tests/unit/fake_ui.h"

// A coefficient part the Solve command lets through: 0, or a magnitude in
// 1e-100..1e100, from two bytes of input.
static double part_from(std::uint8_t a, std::uint8_t b)
{
    const double v = std::fmin(std::fmax(std::pow(10.0, (b - 128) * (100.0 / 128.0)) * (1 + a % 9), 1e-100), 1e100);
    return a % 5 == 0 ? 0 : (a & 0x80) ? -v : v;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) return 0;
    const int n = 1 + data[0] % 29;
    const int key = data[1] % kSolveKeys;
    if (size < 2 + 4u * (n + 1)) return 0;
    reset_fake_ui();
    set_workspace_key(static_cast<SolveKey>(key));
    ws.degree = n;
    const std::uint8_t* p = data + 2;
    for (int k = 0; k <= n; ++k, p += 4) {
        ws.coef_re[k] = part_from(p[0], p[1]);
        ws.coef_im[k] = part_from(p[2], p[3]);
    }
    if (ws.coef_re[0] == 0 && ws.coef_im[0] == 0) ws.coef_re[0] = 1;
    if (ws.coef_re[n] == 0 && ws.coef_im[n] == 0) ws.coef_im[n] = 1;

    const SolveResult result = solve_pipeline(nullptr);
    // The checks make the refusals of the scaled equation impossible, and
    // the solver talks to nobody.
    if (result == SolveResult::AllZero || result == SolveResult::ConstantTermZero ||
        result == SolveResult::HighestDegreeZero || ws.degree != n || !fake.log.empty())
        std::abort();
    if (result != SolveResult::Solved) return 0;
    for (int k = 0; k < n; ++k) {
        if (!(std::fabs(ws.coef_re[k]) <= 1e300) || !(std::fabs(ws.coef_im[k]) <= 1e300)) std::abort();
        if (std::isnan(ws.error_re[k]) || std::isnan(ws.error_im[k])) std::abort();
    }
    return 0;
}
