// The inclusion proof on arbitrary equations, uncertainties and roots (any
// bit pattern, infinities and NaN included): it ends with radii that are
// +infinity or finite and not negative, never NaN, finite exactly when it
// says so, and clusters numbered from 1 in the order of the roots, each as
// large as its number of roots.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "solver/inclusion.h"

template <class T>
static T take(const std::uint8_t*& p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    p += sizeof v;
    return v;
}

// A long double from 8 bytes of significand and 2 of exponent; the
// exponent's top bits mostly cleared so that most values are moderate.
static long double extended_from(const std::uint8_t*& p)
{
    const double mantissa = static_cast<double>(take<std::int64_t>(p)) / 9.2e18;
    const std::int16_t e = take<std::int16_t>(p);
    return std::ldexp(static_cast<long double>(mantissa), (e & 0x4000) ? e : e % 64);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) return 0;
    const int n = 1 + data[0] % 40;
    const bool raw_roots = data[1] & 1;
    if (size < 2 + 30u * (n + 1) + 16u * n) return 0;
    const std::uint8_t* p = data + 2;
    std::vector<long double> re(n + 1), im(n + 1), err(n + 1);
    std::vector<double> z_re(n), z_im(n), radius(n);
    std::vector<int> cluster(n), cluster_size(n);
    for (int k = 0; k <= n; ++k) {
        re[k] = extended_from(p);
        im[k] = extended_from(p);
        err[k] = std::fabs(extended_from(p)) * ((data[1] & 2) ? 1e-18L : 0);
    }
    for (int i = 0; i < n; ++i) {
        const double a = take<double>(p), b = take<double>(p);
        // Raw doubles, or moderate values near the unit circle.
        z_re[i] = raw_roots ? a : std::fmod(a, 4.0);
        z_im[i] = raw_roots ? b : std::fmod(b, 4.0);
        if (std::isnan(z_re[i]) && !raw_roots) z_re[i] = 0.5;
        if (std::isnan(z_im[i]) && !raw_roots) z_im[i] = 0.25;
    }
    const bool proven = prove_roots(n, re.data(), im.data(), err.data(), z_re.data(), z_im.data(), radius.data(),
                                    cluster.data(), cluster_size.data());
    int clusters = 0;
    for (int i = 0; i < n; ++i) {
        if (std::isnan(radius[i]) || radius[i] < 0) std::abort();
        if (proven != static_cast<bool>(std::isfinite(radius[i]))) std::abort();
        if (cluster[i] < 1 || cluster[i] > clusters + 1) std::abort();
        if (cluster[i] == clusters + 1) ++clusters;
        int members = 0;
        for (int j = 0; j < n; ++j) members += cluster[j] == cluster[i];
        if (members != cluster_size[i]) std::abort();
    }
    return 0;
}
