// Google Benchmark of the root finder and the four keys at degrees 5, 15, 29.
#include <benchmark/benchmark.h>

#include "platform/ui.h"
#include "tests/bench/bench_solve.h"

// Failures are counted, not shown.
int ui_message_box(UiHandle, const char*, const char*, unsigned) { return kIdOk; }
void ui_set_cursor(int) {}

static void BM_FindRoots(benchmark::State& state)
{
    const int degree = static_cast<int>(state.range(0));
    int i = 0;
    for (auto _ : state) {
        BenchPolynomial p = bench_polynomial(degree, i++ % kBenchPolynomials);
        benchmark::DoNotOptimize(bench_find_roots(p));
    }
}
BENCHMARK(BM_FindRoots)->Arg(5)->Arg(15)->Arg(29)->Unit(benchmark::kMicrosecond);

static void BM_Solve(benchmark::State& state)
{
    const int key = static_cast<int>(state.range(0));
    const int degree = static_cast<int>(state.range(1));
    int i = 0, failures = 0;
    for (auto _ : state) {
        BenchPolynomial p = bench_polynomial(degree, i++ % kBenchPolynomials);
        if (bench_solve(p, key) != 0) ++failures;
    }
    state.counters["failed"] = benchmark::Counter(failures, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Solve)
    ->ArgNames({"key", "degree"})
    ->ArgsProduct({{0, 1, 2, 3}, {5, 15, 29}})
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
