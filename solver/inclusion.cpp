// Proven inclusion disks and clusters for computed roots, in extended
// precision, with every rounding error bounded.
//
// Why the disks hold the roots. Let p(x) = c_0 prod (x - zeta_j) be any
// equation whose coefficients lie within the given uncertainty, and z_1..z_n
// the computed roots, all different. The Weierstrass corrections
//   W_i = p(z_i) / (c_0 prod over j != i of (z_i - z_j))
// give p(x) = c_0 prod (x - z_j) (1 + sum W_i / (x - z_i)) (Lagrange
// interpolation at the z_j of p minus its leading term). A root x that is
// no z_i thus has sum W_i / (x - z_i) = -1, so |x - z_i| <= n |W_i| for some
// i: every root lies in the union of the disks D_i = D(z_i, R_i) for any
// R_i >= n |W_i|. Along p_t = c_0 prod (x - z_j) (1 + t sum W_i / (x - z_i)),
// t from 0 to 1, the same holds for every t, the roots move continuously and
// start at the z_i, so a connected part of the union made of m disks holds
// exactly m roots throughout. Enlarging disks keeps both statements (parts
// only join, and counts add), which is what rounding a bound upward does.
//
// Tightening an isolated disk. When D_i is a part by itself it holds one
// root zeta_i, and p(z_i) = c_0 (z_i - zeta_i) prod over the other roots.
// Pair the other roots with the other disks, within each part: a root of a
// part K lies within rho_K of the centre of each disk of K, rho_K = R_j for
// K = {j}, else 2 sum over K of R_l (a chain of overlapping disks). So
// |z_i - zeta| >= |z_i - z_j| - rho_K for its partner j, and
//   |z_i - zeta_i| <= |W_i| / prod (1 - g_j),  g_j = rho_K(j) / |z_i - z_j| < 1.
// prod (1 - g_j) >= 1 - sum g_j >= 1 - sqrt((n - 1) sum g_j^2) (Cauchy-Schwarz)
// spares a square root per pair, and sum g_j^2 <= sum rho^2 / min |z_i - z_j|^2
// a division per pair where it is small enough; close neighbours take the
// product itself.
// Shrinking D_i to that radius keeps it isolated and holding zeta_i.
//
// Moved centres. Disks proven about other centres w_i and widened by
// |w_i - z_i| contain the first ones: a proof about w holds about z. Equal
// roots, and clusters found tighter than the coefficients' uncertainty lets
// the true roots be, are proven so.
//
// Rounding. u = 2^-64. Every + - * / sqrt of extended reals rounds to nearest
// with |fl(x) - x| <= u |fl(x)|, short of underflow, whose absolute error
// (below 2^-16445) is covered by a pad kTiny per operation. A sum or product
// of m nonnegative terms, each term carrying at most m roundings, is within
// (1 + u)^m of its value, and (1 + u)^m <= 1 / (1 - mu) <= 1 + 2mu: inflate()
// and deflate() take such a bound up or down with room for their own
// rounding. |p(z_i)| is bounded by the running error bound of Horner's
// scheme (below), the product by relative bounds of its factors, and large
// and small values keep their binary exponents apart so that nothing leaves
// the range at any degree.
#include "solver/inclusion.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using ext = long double;

constexpr ext kU = LDBL_EPSILON / 2;
constexpr ext kTiny = 0x1p-16000L;
// Values leave [kSmall, kLarge] only with their exponent kept apart.
constexpr int kShift = 4096;
constexpr ext kLarge = 0x1p4096L;
constexpr ext kSmall = 0x1p-4096L;
// A value whose binary exponent lies beyond this is taken as kTiny or as
// infinite.
constexpr long kExponentLimit = 16000;

// x computed with at most m roundings (from nonnegative exact terms), taken
// above or below its exact value.
ext inflate(ext x, long m)
{
    return x * (1 + 4 * static_cast<ext>(m + 2) * kU);
}

ext deflate(ext x, long m)
{
    return x * (1 - 4 * static_cast<ext>(m + 2) * kU);
}

// m 2^e, m >= 0, for values beyond the extended range.
struct Big {
    ext m;
    long e;
};

void normalize(Big& b)
{
    if (b.m == 0 || !std::isfinite(b.m)) return;
    int k;
    b.m = std::frexp(b.m, &k);
    b.e += k;
}

// The value, rounded upward, as an extended real; +infinity beyond.
ext upward(Big b)
{
    normalize(b);
    if (b.m == 0) return 0;
    if (!std::isfinite(b.m) || b.e > kExponentLimit) return HUGE_VALL;
    if (b.e < -kExponentLimit) return kTiny;
    return std::scalbn(b.m, static_cast<int>(b.e)) + kTiny;
}

ext modulus(ext re, ext im)
{
    return std::sqrt(re * re + im * im);
}

// The equation divided by a power of two, so that its largest part is below
// 1; err[k] bounds how far the true coefficient k may lie from (re, im).
struct Poly {
    int n;
    std::vector<ext> re, im, err;
};

bool scale_down(int n, const ext* a_re, const ext* a_im, const ext* err, Poly& p, int& s)
{
    ext largest = 0;
    for (int k = 0; k <= n; ++k) {
        if (!std::isfinite(a_re[k]) || !std::isfinite(a_im[k]) || !(err[k] >= 0 && err[k] <= LDBL_MAX)) return false;
        largest = std::fmax(largest, std::fmax(std::fabs(a_re[k]), std::fabs(a_im[k])));
    }
    if (largest == 0) return false;
    s = std::ilogb(largest) + 1;
    p.n = n;
    p.re.resize(n + 1);
    p.im.resize(n + 1);
    p.err.resize(n + 1);
    for (int k = 0; k <= n; ++k) {
        p.re[k] = std::scalbn(a_re[k], -s);
        p.im[k] = std::scalbn(a_im[k], -s);
        // Scaling is exact but where it lands below the normal range.
        p.err[k] = std::scalbn(err[k], -s) + 3 * kTiny;
    }
    return true;
}

// A coefficient part divided by 2^e (e >= 0), off by at most kTiny.
ext shifted(ext a, long e)
{
    return e == 0 ? a : std::scalbn(a, -static_cast<int>(e < kExponentLimit ? e : kExponentLimit));
}

// Horner's scheme v_k = v_(k-1) x + a_k with its running error bound b_k:
// the computed step differs from the exact one by at most u times the sum
// of the moduli of its eight computed results, and the error carried in is
// multiplied by |x|; the uncertainty of a_k adds to it. b is computed in
// rounded arithmetic too: at most 2n + 12 roundings lie on any of its paths.
// Where v or b grows past kLarge both are divided by 2^kShift, and so are the
// coefficients still to come. Returns a bound of |p(x)| for every equation
// within the uncertainty. Sets rounding_dominates when no division was needed
// and the error bound is more than a sixteenth of the value: twice the
// precision then narrows the bound.
Big horner_bound(const Poly& p, ext x_re, ext x_im, ext x_size, bool& rounding_dominates)
{
    ext v_re = p.re[0], v_im = p.im[0], b = p.err[0];
    long e = 0;
    for (int k = 1; k <= p.n; ++k) {
        const ext m1 = v_re * x_re, m2 = v_im * x_im, m3 = v_re * x_im, m4 = v_im * x_re;
        const ext t_re = m1 - m2, t_im = m3 + m4;
        v_re = t_re + shifted(p.re[k], e);
        v_im = t_im + shifted(p.im[k], e);
        const ext local = std::fabs(m1) + std::fabs(m2) + std::fabs(t_re) + std::fabs(v_re) + std::fabs(m3) +
                          std::fabs(m4) + std::fabs(t_im) + std::fabs(v_im);
        b = b * x_size + (local * kU + (shifted(p.err[k], e) + 16 * kTiny));
        if (std::fabs(v_re) + std::fabs(v_im) + b > kLarge) {
            v_re = std::scalbn(v_re, -kShift);
            v_im = std::scalbn(v_im, -kShift);
            b = std::scalbn(b, -kShift) + kTiny;
            e += kShift;
        }
    }
    const ext size = modulus(v_re, v_im);
    rounding_dominates = e == 0 && b > size / 16;
    const ext bound = inflate(size, 3) + inflate(b, 2L * p.n + 12);
    return {inflate(bound, 1), e};
}

// Error-free transformations, as in the simultaneous iteration: a + b = s + e
// and a b = p + e exactly (Dekker's product on 32-bit halves), short of
// underflow.
void two_sum(ext a, ext b, ext& s, ext& e)
{
    s = a + b;
    const ext z = s - a;
    e = (a - (s - z)) + (b - z);
}

struct Halves {
    ext high, low;
};

Halves split(ext a)
{
    const ext t = 4294967297.0L * a;  // 2^32 + 1
    const ext high = t - (t - a);
    return {high, a - high};
}

void two_product(ext a, const Halves& ah, ext b, const Halves& bh, ext& p, ext& e)
{
    p = a * b;
    e = ah.low * bh.low - (((p - ah.high * bh.high) - ah.low * bh.high) - ah.high * bh.low);
}

// Horner's scheme in twice the precision, for roots in a cluster, where the
// plain bound is far above |p|. The computed v_k are those of the plain
// scheme (so in range when it was), and v_(k-1) x + a_k = v_k + s_k exactly,
// s_k the sum of the errors of the transformations. The exact error
// D_k = V_k - v_k of the plain scheme then obeys D_k = D_(k-1) x + s_k, and
// its computed value c_k differs from it by at most b_k: |x| b_(k-1), plus u
// times the moduli of the seven computed results per part that make s_k
// and c_k, plus the uncertainty of a_k. At most 2n + 20 roundings lie on a
// path of b. The result v_n + c_n is rounded once more.
ext compensated_bound(const Poly& p, ext x_re, ext x_im, ext x_size)
{
    const Halves xr = split(x_re), xi = split(x_im);
    ext v_re = p.re[0], v_im = p.im[0], c_re = 0, c_im = 0, b = p.err[0];
    for (int k = 1; k <= p.n; ++k) {
        const Halves vr = split(v_re), vi = split(v_im);
        ext z1, h1, z2, h2, z3, h3, z4, h4, p_re, f_re, p_im, f_im, g_re, g_im;
        two_product(v_re, vr, x_re, xr, z1, h1);
        two_product(v_im, vi, x_im, xi, z2, h2);
        two_product(v_re, vr, x_im, xi, z3, h3);
        two_product(v_im, vi, x_re, xr, z4, h4);
        two_sum(z1, -z2, p_re, f_re);
        two_sum(z3, z4, p_im, f_im);
        two_sum(p_re, p.re[k], v_re, g_re);
        two_sum(p_im, p.im[k], v_im, g_im);
        const ext d_re = h1 - h2, d_im = h3 + h4;
        const ext e_re = d_re + f_re, e_im = d_im + f_im;
        const ext s_re = e_re + g_re, s_im = e_im + g_im;
        const ext m1 = c_re * x_re, m2 = c_im * x_im, m3 = c_re * x_im, m4 = c_im * x_re;
        const ext t_re = m1 - m2, t_im = m3 + m4;
        c_re = t_re + s_re;
        c_im = t_im + s_im;
        const ext local = std::fabs(d_re) + std::fabs(e_re) + std::fabs(s_re) + std::fabs(m1) + std::fabs(m2) +
                          std::fabs(t_re) + std::fabs(c_re) + std::fabs(d_im) + std::fabs(e_im) + std::fabs(s_im) +
                          std::fabs(m3) + std::fabs(m4) + std::fabs(t_im) + std::fabs(c_im);
        b = b * x_size + (local * kU + (p.err[k] + 64 * kTiny));
    }
    const ext r_re = v_re + c_re, r_im = v_im + c_im;
    const ext rounding = (std::fabs(r_re) + std::fabs(r_im)) * kU;
    return inflate(inflate(modulus(r_re, r_im), 3) + inflate(b, 2L * p.n + 20) + inflate(rounding, 2), 1);
}

// |z_i - z_j|^2 as computed from the doubles: within (1 + u)^4 of its value,
// and never below the range (the doubles' differences are at least 2^-1074).
ext squared_distance(const double* z_re, const double* z_im, int i, int j)
{
    const ext dx = static_cast<ext>(z_re[i]) - z_re[j], dy = static_cast<ext>(z_im[i]) - z_im[j];
    return dx * dx + dy * dy;
}

// A lower bound of prod over j != i of |z_i - z_j|, 0 when two roots are
// equal. Each factor is within (1 + u)^5 of its value once multiplied in.
// nearest: the smallest computed |z_i - z_j|^2.
Big distance_product(int n, const double* z_re, const double* z_im, int i, ext& nearest)
{
    Big q{1, 0};
    nearest = HUGE_VALL;
    for (int j = 0; j < n; ++j) {
        if (j == i) continue;
        const ext d2 = squared_distance(z_re, z_im, i, j);
        nearest = std::fmin(nearest, d2);
        q.m *= d2;
        if (q.m > kLarge || q.m < kSmall) normalize(q);
    }
    normalize(q);
    if (q.e % 2 != 0) {
        q.m *= 2;
        q.e -= 1;
    }
    return {deflate(std::sqrt(deflate(q.m, 5L * n)), 1), q.e / 2};
}

// What is known of each root while the proof goes on.
struct Root {
    Big product;  // lower bound of |c_0| prod over j != i of |z_i - z_j|
    Big value;    // upper bound of |p(z_i)|
    ext w;       // upper bound of |W_i|
    ext radius;  // R_i
    ext nearest;  // the smallest computed |z_i - z_j|^2
};

void set_radius(int n, Root& r)
{
    const ext ratio = r.product.m > 0 ? inflate(r.value.m / r.product.m, 1) : HUGE_VALL;
    r.w = upward({ratio, r.value.e - r.product.e});
    r.radius = inflate(n * r.w, 1);
}

int find(std::vector<int>& parent, int i)
{
    while (parent[i] != i) {
        parent[i] = parent[parent[i]];
        i = parent[i];
    }
    return i;
}

// The parts of the union: disks join where the computed squared distance is
// at most (R_i + R_j)^2 with room for the roundings of both sides.
template <class Radius>
void join_disks(int n, const double* z_re, const double* z_im, const Radius* radius, int* cluster, int* cluster_size)
{
    std::vector<int> parent(n);
    for (int i = 0; i < n; ++i) parent[i] = i;
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const ext reach = static_cast<ext>(radius[i]) + radius[j];
            if (squared_distance(z_re, z_im, i, j) > inflate(reach * reach, 8)) continue;
            const int a = find(parent, i), b = find(parent, j);
            if (a != b) parent[b] = a;
        }
    }
    std::vector<int> index(n, 0), size(n, 0);
    int clusters = 0;
    for (int i = 0; i < n; ++i) {
        const int top = find(parent, i);
        if (index[top] == 0) index[top] = ++clusters;
        cluster[i] = index[top];
        ++size[index[top] - 1];
    }
    for (int i = 0; i < n; ++i) cluster_size[i] = size[cluster[i] - 1];
}

// rho for the disks of each part: R_j alone, else twice the sum of the part.
std::vector<ext> part_reach(int n, const std::vector<Root>& roots, const int* cluster, const int* cluster_size)
{
    std::vector<ext> sum(n + 1, 0), reach(n);
    for (int i = 0; i < n; ++i) sum[cluster[i]] += roots[i].radius;
    for (int i = 0; i < n; ++i)
        reach[i] = cluster_size[i] == 1 ? roots[i].radius : inflate(2 * sum[cluster[i]], n);
    return reach;
}

// The tightened radius of the isolated disk i, or R_i where no tightening is
// proven.
// reach_squares: the sum of all rho^2, rounded up, which over the nearest
// distance first bounds sum g_j^2 without a division per pair.
ext isolated_radius(int n, const double* z_re, const double* z_im, const std::vector<ext>& reach,
                    ext reach_squares, const Root& r, int i)
{
    ext sum = reach_squares / deflate(r.nearest, 4);
    if (!(inflate(sum, 1) * (n - 1) < 0x1p-24L)) {
        sum = 0;
        for (int j = 0; j < n; ++j)
            if (j != i) sum += inflate(reach[j] * reach[j], 2) / deflate(squared_distance(z_re, z_im, i, j), 4);
        sum = inflate(sum, n + 2);
    }
    const ext g = inflate(std::sqrt(inflate(inflate(sum, 1) * (n - 1), 1)), 2);
    ext lower = 0;
    if (g < 0.5L) {
        lower = deflate(1 - g, 1);
    } else {
        Big product{1, 0};
        for (int j = 0; j < n && product.m > 0; ++j) {
            if (j == i) continue;
            const ext h = inflate(reach[j] * reach[j], 2) / deflate(squared_distance(z_re, z_im, i, j), 4);
            const ext gj = inflate(std::sqrt(inflate(h, 1)), 1);
            product.m *= gj < 1 ? deflate(1 - gj, 1) : 0;
            if (product.m < kSmall) normalize(product);
        }
        // A lower bound: scaling by a power of two is exact in range.
        normalize(product);
        if (product.e >= -kExponentLimit)
            lower = std::scalbn(deflate(product.m, 2L * n), static_cast<int>(product.e));
    }
    if (!(lower > 0)) return r.radius;
    return std::fmin(r.radius, inflate(r.w / lower, 2));
}

// Nothing proven: every radius infinite, one cluster of all roots.
bool unproven(int n, double* radius, int* cluster, int* cluster_size)
{
    for (int i = 0; i < n; ++i) {
        radius[i] = HUGE_VAL;
        cluster[i] = 1;
        cluster_size[i] = n;
    }
    return false;
}

double double_upward(ext r)
{
    if (!(r <= DBL_MAX)) return HUGE_VAL;
    double d = static_cast<double>(r);
    if (d < r) d = std::nextafter(d, HUGE_VAL);
    return d;
}

}  // namespace

namespace {

// The proof for centres that are all different.
bool prove_distinct(const Poly& p, ext leading, const double* z_re, const double* z_im, double* radius,
                    int* cluster, int* cluster_size)
{
    const int n = p.n;
    std::vector<Root> roots(n);
    for (int i = 0; i < n; ++i) {
        Root& r = roots[i];
        const ext x_size = inflate(modulus(z_re[i], z_im[i]), 3);
        bool rounding_dominates;
        r.value = horner_bound(p, z_re[i], z_im[i], x_size, rounding_dominates);
        // Near multiple roots and ill-conditioned ones.
        if (rounding_dominates) r.value = {std::fmin(r.value.m, compensated_bound(p, z_re[i], z_im[i], x_size)), 0};
        r.product = distance_product(n, z_re, z_im, i, r.nearest);
        r.product.m = deflate(r.product.m * leading, 1);
        set_radius(n, r);
    }
    std::vector<ext> first(n);
    for (int i = 0; i < n; ++i) first[i] = roots[i].radius;
    join_disks(n, z_re, z_im, first.data(), cluster, cluster_size);
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(roots[i].radius)) return false;

    const std::vector<ext> reach = part_reach(n, roots, cluster, cluster_size);
    ext reach_squares = 0;
    for (int i = 0; i < n; ++i) reach_squares += inflate(reach[i] * reach[i], 2);
    reach_squares = inflate(reach_squares, n + 2);
    for (int i = 0; i < n; ++i) {
        const ext r =
            cluster_size[i] == 1 ? isolated_radius(n, z_re, z_im, reach, reach_squares, roots[i], i) : roots[i].radius;
        radius[i] = double_upward(r);
        if (!std::isfinite(radius[i])) return false;
    }
    return true;
}

// For each root, how many earlier roots are the very same double pair.
int earlier_copies(const double* z_re, const double* z_im, int i)
{
    int copies = 0;
    for (int j = 0; j < i; ++j) copies += z_re[j] == z_re[i] && z_im[j] == z_im[i];
    return copies;
}

// Disks proven about centres w and widened to the roots z by the move,
// which keeps every root inside and only joins clusters.
bool prove_moved(const Poly& p, ext leading, const double* z_re, const double* z_im, const std::vector<double>& w_re,
                 const std::vector<double>& w_im, double* radius, int* cluster, int* cluster_size)
{
    const int n = p.n;
    for (int i = 0; i < n; ++i)
        if (earlier_copies(w_re.data(), w_im.data(), i) > 0) return false;
    if (!prove_distinct(p, leading, w_re.data(), w_im.data(), radius, cluster, cluster_size)) return false;
    for (int i = 0; i < n; ++i) {
        const ext dx = static_cast<ext>(w_re[i]) - z_re[i], dy = static_cast<ext>(w_im[i]) - z_im[i];
        radius[i] = double_upward(inflate(radius[i] + inflate(modulus(dx, dy), 4), 1));
        if (!std::isfinite(radius[i])) return false;
    }
    number_clusters(n, z_re, z_im, radius, cluster, cluster_size);
    return true;
}

// Roots of a cluster found closer together than the uncertainty of the
// coefficients lets the true ones be have values that are all uncertainty
// over tiny distances, hence huge disks. Moved apart (the k-th of m by
// k - (m - 1) / 2 steps) by steps from a 16n-th of their first radii down to
// 2^-46 of it, they prove tighter disks; the smallest clustered radii win.
void spread_clusters(const Poly& p, ext leading, const double* z_re, const double* z_im, double* radius,
                     int* cluster, int* cluster_size)
{
    const int n = p.n;
    std::vector<double> first(radius, radius + n), offset(n), w_re(n), w_im(n), r(n);
    std::vector<int> c2(n), s2(n), seen(n + 1, 0);
    std::vector<bool> clustered(n);
    double best = 0;
    for (int i = 0; i < n; ++i) {
        const int m = cluster_size[i];
        clustered[i] = m > 1;
        offset[i] = m == 1 ? 0 : (2 * seen[cluster[i]]++ - (m - 1)) * first[i] / (16.0 * n);
        best += clustered[i] ? first[i] : 0;
    }
    for (int t = 0; best > 0 && t <= 42; t += 6) {
        for (int i = 0; i < n; ++i) {
            w_re[i] = z_re[i] + std::ldexp(offset[i], -t);
            w_im[i] = z_im[i] + std::ldexp(offset[i], -t - 1);
        }
        if (!prove_moved(p, leading, z_re, z_im, w_re, w_im, r.data(), c2.data(), s2.data())) continue;
        double sum = 0;
        for (int i = 0; i < n; ++i) sum += clustered[i] ? r[i] : 0;
        if (!(sum < best)) continue;
        best = sum;
        for (int i = 0; i < n; ++i) {
            radius[i] = r[i];
            cluster[i] = c2[i];
            cluster_size[i] = s2[i];
        }
    }
}

}  // namespace

bool prove_roots(int n, const long double* a_re, const long double* a_im, const long double* err,
                 const double* z_re, const double* z_im, double* radius, int* cluster, int* cluster_size)
{
    if (n < 1) return false;
    Poly p;
    int scale;
    if (!scale_down(n, a_re, a_im, err, p, scale)) return unproven(n, radius, cluster, cluster_size);
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(z_re[i]) || !std::isfinite(z_im[i])) return unproven(n, radius, cluster, cluster_size);
    // |c_0| >= |a_0| - err_0, which must stay above 0.
    const ext leading = deflate(modulus(p.re[0], p.im[0]), 3) - p.err[0];
    if (!(leading > kSmall)) return unproven(n, radius, cluster, cluster_size);

    std::vector<int> copies(n);
    bool equal = false;
    for (int i = 0; i < n; ++i) equal = (copies[i] = earlier_copies(z_re, z_im, i)) > 0 || equal;
    bool proven = !equal && prove_distinct(p, leading, z_re, z_im, radius, cluster, cluster_size);
    // Equal roots (a multiple root found exactly): the k-th copy moved by k
    // steps, which grow until the values at the moved centres rise above
    // their rounding.
    std::vector<double> w_re(n), w_im(n);
    for (int spread = -44; equal && !proven && spread <= -8; spread += 12) {
        for (int i = 0; i < n; ++i) {
            const double size = std::fmax(std::fmax(std::fabs(z_re[i]), std::fabs(z_im[i])), 0x1p-900);
            const double step = std::ldexp(size, spread) * copies[i];
            w_re[i] = z_re[i] + step;
            w_im[i] = z_im[i] + step / 2;
        }
        proven = prove_moved(p, leading, z_re, z_im, w_re, w_im, radius, cluster, cluster_size);
    }
    if (!proven) return unproven(n, radius, cluster, cluster_size);
    spread_clusters(p, leading, z_re, z_im, radius, cluster, cluster_size);
    return true;
}

void number_clusters(int n, const double* z_re, const double* z_im, const double* radius, int* cluster,
                     int* cluster_size)
{
    join_disks(n, z_re, z_im, radius, cluster, cluster_size);
}

long double value_bound(int n, const long double* a_re, const long double* a_im, const long double* err,
                        double x_re, double x_im, bool compensated)
{
    // Unscaled: the bound of the scaled equation times the scale.
    Poly p;
    int s;
    if (n < 1 || !scale_down(n, a_re, a_im, err, p, s)) return HUGE_VALL;
    const ext x_size = inflate(modulus(x_re, x_im), 3);
    bool rounding_dominates;
    Big b = horner_bound(p, x_re, x_im, x_size, rounding_dominates);
    if (compensated && b.e == 0) b = {compensated_bound(p, x_re, x_im, x_size), 0};
    b.e += s;
    return upward(b);
}
