// The benchmark loop, the same program natively and under Wine.
//   solve_loop FILE                  every equation under every key, one line
//                                    each: ID FAMILY DEGREE KEY MICROSECONDS RESULT
//   solve_loop FILE ROUNDS KEY [ID]  a fixed amount of work for a timing of the
//                                    whole process: the equations whose ID starts
//                                    with ID (all without it), ROUNDS times
// MICROSECONDS is the fastest of five batches of at least a millisecond each:
// on a shared machine, other work only ever adds to a batch's time.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/bench_solve.h"
#include "solver/fpu.h"

static double fastest_microseconds(const BenchPolynomial& p, SolveKey key)
{
    using clock = std::chrono::steady_clock;
    double batches[5];
    for (double& batch : batches) {
        int calls = 0;
        const auto start = clock::now();
        double elapsed = 0;
        do {
            bench_solve(p, key);
            ++calls;
            elapsed = std::chrono::duration<double, std::micro>(clock::now() - start).count();
        } while (elapsed < 1000);
        batch = elapsed / calls;
    }
    return *std::min_element(batches, batches + 5);
}

int main(int argc, char** argv)
{
    init_extended_precision();
    static BenchPolynomial polys[kMaxBenchPolynomials];
    std::FILE* file = argc >= 2 ? std::fopen(argv[1], "r") : nullptr;
    const int count = file ? read_bench_polynomials(file, polys, kMaxBenchPolynomials) : -1;
    if (file) std::fclose(file);
    if (count <= 0 || argc == 3) {
        std::fprintf(stderr, "usage: solve_loop FILE [ROUNDS KEY [ID]]\n");
        return 2;
    }
    if (argc == 2) {
        for (int i = 0; i < count; ++i)
            for (int k = 0; k < kSolveKeys; ++k) {
                const SolveKey key = static_cast<SolveKey>(k);
                const double us = fastest_microseconds(polys[i], key);
                std::printf("%s %s %d %d %.3f %d\n", polys[i].id, polys[i].family, polys[i].degree, k, us,
                            result_number(bench_solve(polys[i], key)));
            }
        return 0;
    }
    const int rounds = std::atoi(argv[2]);
    const SolveKey key = static_cast<SolveKey>(std::atoi(argv[3]) % kSolveKeys);
    const char* prefix = argc > 4 ? argv[4] : "";
    int solved = 0;
    for (int round = 0; round < rounds; ++round)
        for (int i = 0; i < count; ++i)
            if (std::strncmp(polys[i].id, prefix, std::strlen(prefix)) == 0) solved += bench_solve(polys[i], key) == SolveResult::Solved;
    std::printf("%d solves succeeded\n", solved);
    return 0;
}
