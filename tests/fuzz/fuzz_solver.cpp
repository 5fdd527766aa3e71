// The solver on arbitrary accepted coefficient vectors of degree 1..29 under
// all five keys: it ends within its step caps with a defined result, at most
// one message, and finite roots and no NaN error figure on success.
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
    const int key = data[1] % 5;  // 4: simultaneous iteration
    if (size < 2 + 4u * (n + 1)) return 0;
    reset_fake_ui();
    ws.param_change = key & 1;
    ws.deflation_mode = (key >> 1) & 1;
    ws.simultaneous_iteration = key == 4;
    ws.degree = n;
    const std::uint8_t* p = data + 2;
    for (int k = 0; k <= n; ++k, p += 4) {
        ws.coef_re[k] = part_from(p[0], p[1]);
        ws.coef_im[k] = part_from(p[2], p[3]);
    }
    if (ws.coef_re[0] == 0 && ws.coef_im[0] == 0) ws.coef_re[0] = 1;
    if (ws.coef_re[n] == 0 && ws.coef_im[n] == 0) ws.coef_im[n] = 1;

    if (scale_coefficients() != SCALE_OK) std::abort();  // the checks make this impossible
    if (ws.degree != n) std::abort();
    for (int k = 0; k <= n; ++k) {
        ws.root_re[k] = ws.coef_re[k];
        ws.root_im[k] = ws.coef_im[k];
    }
    const int result = solve_equation(nullptr, n);
    if ((result != 0 && result != 1) || logged("box").size() != static_cast<std::size_t>(result)) std::abort();
    if (result == 1) return 0;
    compute_residuals();
    for (int k = 0; k < n; ++k) {
        if (!(std::fabs(ws.coef_re[k]) <= 1e300) || !(std::fabs(ws.coef_im[k]) <= 1e300)) std::abort();
        if (std::isnan(ws.error_re[k]) || std::isnan(ws.error_im[k])) std::abort();
    }
    return 0;
}
