// The benchmark's loop without Google Benchmark, for the Windows build under
// Wine: mean microseconds per call over the same polynomials.
#include <chrono>
#include <cstdio>
#include <initializer_list>

#include "platform/ui.h"
#include "solver/fpu.h"
#include "tests/bench/bench_solve.h"

int ui_message_box(UiHandle, const char*, const char*, unsigned) { return kIdOk; }
void ui_set_cursor(int) {}

template <typename F>
static double mean_microseconds(F&& call)
{
    using clock = std::chrono::steady_clock;
    int rounds = 0;
    auto start = clock::now();
    double elapsed = 0;
    do {
        for (int i = 0; i < kBenchPolynomials; ++i) call(i);
        ++rounds;
        elapsed = std::chrono::duration<double, std::micro>(clock::now() - start).count();
    } while (elapsed < 300000);
    return elapsed / (rounds * kBenchPolynomials);
}

int main()
{
    init_extended_precision();
    for (int degree : {5, 15, 29}) {
        double us = mean_microseconds([&](int i) { bench_find_roots(bench_polynomial(degree, i)); });
        std::printf("find_roots degree %2d: %9.2f us\n", degree, us);
    }
    const char* names[] = {"Standard", "Parameter change", "Deflation", "Param. change + Deflation"};
    for (int key = 0; key < 4; ++key)
        for (int degree : {5, 15, 29}) {
            double us = mean_microseconds([&](int i) { bench_solve(bench_polynomial(degree, i), key); });
            std::printf("%-26s degree %2d: %9.2f us\n", names[key], degree, us);
        }
    return 0;
}
