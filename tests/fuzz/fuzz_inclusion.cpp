// The inclusion proof on arbitrary equations, uncertainties and roots (any
// bit pattern of the roots, infinities and NaN included): it ends with radii
// that are +infinity or finite and not negative, never NaN, finite exactly
// when it says so, and clusters numbered from 1 in the order of the roots,
// each as large as its number of roots.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "solver/inclusion.h"

// A value from 3 bytes: a small whole number times a power of two that now
// and then reaches far beyond the doubles, or 1 / 0.
static long double value_from(const std::uint8_t* p)
{
    if (p[2] == 0xff) return (p[0] & 1 ? 1 : -1) / 0.0L;
    return std::ldexp(static_cast<long double>(static_cast<std::int8_t>(p[0])),
                      static_cast<std::int8_t>(p[1]) * (p[2] & 1 ? 128 : 1));
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const int n = size > 0 ? 1 + data[0] % 40 : 0;
    if (n == 0 || size < 1 + 9u * (n + 1) + 16u * n) return 0;
    std::vector<long double> re(n + 1), im(n + 1), err(n + 1);
    std::vector<double> z(2 * n), radius(n);
    std::vector<int> cluster(n), cluster_size(n);
    for (int k = 0; k <= n; ++k) {
        re[k] = value_from(data + 1 + 9 * k);
        im[k] = value_from(data + 4 + 9 * k);
        err[k] = std::fabs(value_from(data + 7 + 9 * k)) * 0x1p-70L;
    }
    std::memcpy(z.data(), data + 1 + 9 * (n + 1), 16u * n);
    const bool proven = prove_roots(n, re.data(), im.data(), err.data(), z.data(), z.data() + n, radius.data(),
                                    cluster.data(), cluster_size.data());
    int clusters = 0;
    for (int i = 0; i < n; ++i) {
        if (std::isnan(radius[i]) || radius[i] < 0 || proven != static_cast<bool>(std::isfinite(radius[i])))
            std::abort();
        if (cluster[i] < 1 || cluster[i] > clusters + 1) std::abort();
        if (cluster[i] == clusters + 1) ++clusters;
        int members = 0;
        for (int j = 0; j < n; ++j) members += cluster[j] == cluster[i];
        if (members != cluster_size[i]) std::abort();
    }
    return 0;
}
