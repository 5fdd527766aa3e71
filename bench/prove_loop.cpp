// The inclusion proof alone, for the validation and timing scripts: reads
// equations and their computed roots, writes the radii and clusters, and how
// long the proof took.
//   prove_loop [ROUNDS] < INPUT
// INPUT: per equation a line "DEGREE", DEGREE + 1 lines "RE IM" of decimal
// coefficient texts (highest power first), DEGREE lines "RE IM" of roots.
// Output per equation: "proven 0|1 MICROSECONDS", then per root "RADIUS
// CLUSTER SIZE" (RADIUS inf when not proven). MICROSECONDS is the fastest of
// ROUNDS proofs (default 1).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "entry/number_test.h"
#include "solver/fpu.h"
#include "solver/inclusion.h"
#include "solver/written_equation.h"

int main(int argc, char** argv)
{
    init_extended_precision();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    int n;
    while (std::scanf("%d", &n) == 1 && n >= 1) {
        std::vector<long double> re(n + 1), im(n + 1), err(n + 1);
        std::vector<double> z_re(n), z_im(n), radius(n);
        std::vector<int> cluster(n), size(n);
        char a[128], b[128];
        for (int k = 0; k <= n; ++k) {
            if (std::scanf("%127s %127s", a, b) != 2) return 1;
            re[k] = decimal_to_extended(a);
            im[k] = decimal_to_extended(b);
            err[k] = (decimal_reading_error(a, re[k]) + decimal_reading_error(b, im[k])) * (1 + 0x1p-60L);
        }
        for (int i = 0; i < n; ++i) {
            if (std::scanf("%127s %127s", a, b) != 2) return 1;
            z_re[i] = decimal_to_double(a, nullptr);
            z_im[i] = decimal_to_double(b, nullptr);
        }
        double best = 1e300;
        bool proven = false;
        for (int r = 0; r < rounds; ++r) {
            const auto start = std::chrono::steady_clock::now();
            proven = prove_roots(n, re.data(), im.data(), err.data(), z_re.data(), z_im.data(), radius.data(),
                                 cluster.data(), size.data());
            const auto stop = std::chrono::steady_clock::now();
            best = std::min(best, std::chrono::duration<double, std::micro>(stop - start).count());
        }
        std::printf("proven %d %.1f\n", proven ? 1 : 0, best);
        for (int i = 0; i < n; ++i) std::printf("%.17g %d %d\n", radius[i], cluster[i], size[i]);
    }
    return 0;
}
