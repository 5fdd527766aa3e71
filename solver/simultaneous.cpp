// Simultaneous iteration (Aberth-Ehrlich) in extended precision. It uses
// only + - * / and sqrt, which are rounded exactly in both builds, and the
// exact exponent operations ilogb, scalbn and floor; no logarithm, power or
// cosine of a maths library: their last bits differ between the Windows
// runtime and the native one, and the two programs must agree to the bit.
#include "solver/simultaneous.h"

#include <cfloat>
#include <cmath>
#include <vector>

#include "solver/ext_complex.h"
#include "solver/root_finder.h"
#include "solver/workspace.h"

namespace {


// A sweep corrects every unsettled root once; simple roots settle within a
// dozen sweeps, roots of high multiplicity within a few hundred.
constexpr int kMaxSweeps = 600;
constexpr ext kRoundoff = LDBL_EPSILON / 2;
constexpr ext kTwoPi = 6.283185307179586476925286766559L;
// Turns the starting points off the axes, where symmetric equations such as
// x^n - 1 keep an iteration that starts on them.
constexpr ext kStartTurn = 0.7L;

// Room for count values: on the stack up to the window's degree, so that
// the window program's solve takes nothing from the heap; on the heap
// beyond it, O(n) whatever the degree.
template <typename T>
class Scratch {
public:
    explicit Scratch(int count) : heap_(count > kRows ? count : 0), data_(count > kRows ? heap_.data() : stack_) {}
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    T& operator[](int i) { return data_[i]; }
    const T& operator[](int i) const { return data_[i]; }
    T* data() { return data_; }

private:
    T stack_[kRows] = {};
    std::vector<T> heap_;
    T* data_;
};

struct Polynomial {
    const ext* re;  // re[k] + i im[k] multiplies x^(n-k)
    const ext* im;
    int n;
    const ext* size;  // |a_k|
};

inline ext modulus(ext re, ext im)
{
    return std::sqrt(norm2(re, im));
}

// Error-free transformations: a + b = s + e and a * b = p + e exactly, the
// product by Dekker's splitting of each factor into two 32-bit halves.
inline void two_sum(ext a, ext b, ext& s, ext& e)
{
    s = a + b;
    const ext z = s - a;
    e = (a - (s - z)) + (b - z);
}

// a = high + low, each with at most 32 significant bits.
struct Halves {
    ext high, low;
};

inline Halves split(ext a)
{
    const ext t = 4294967297.0L * a;  // 2^32 + 1
    const ext high = t - (t - a);
    return {high, a - high};
}

inline void two_product(ext a, const Halves& ah, ext b, const Halves& bh, ext& p, ext& e)
{
    p = a * b;
    e = ah.low * bh.low - (((p - ah.high * bh.high) - ah.low * bh.high) - ah.high * bh.low);
}

// The point of a compensated evaluation, split once for all its products.
struct SplitPoint {
    ext re, im;
    Halves re_halves, im_halves;
};

// (a + ib) x = p + e exactly, up to the rounding of e, which is second
// order.
inline void complex_two_product(ext a, ext b, const SplitPoint& x, ext& p_re, ext& p_im, ext& e_re, ext& e_im)
{
    const Halves ah = split(a), bh = split(b);
    ext z1, h1, z2, h2, z3, h3, z4, h4, f1, f2;
    two_product(a, ah, x.re, x.re_halves, z1, h1);
    two_product(b, bh, x.im, x.im_halves, z2, h2);
    two_product(a, ah, x.im, x.im_halves, z3, h3);
    two_product(b, bh, x.re, x.re_halves, z4, h4);
    two_sum(z1, -z2, p_re, f1);
    two_sum(z3, z4, p_im, f2);
    e_re = (h1 - h2) + f1;
    e_im = (h3 + h4) + f2;
}

// What an evaluation computes with compensated arithmetic: nothing, the
// value, or the value and the derivative.
enum class Compensation { None, Value, Both };

// Horner's scheme for p (and p' with Both) carrying the rounding error of
// every step along and adding it at the end: as accurate as Horner's scheme
// in twice the precision. Near a multiple root plain extended arithmetic
// loses both in its own rounding long before the roots are as close as the
// coefficients allow.
void compensated_horner(const Polynomial& p, int first, int step, ext x_re, ext x_im, bool derivative,
                        ext& v_re, ext& v_im, ext& d_re, ext& d_im)
{
    const SplitPoint x{x_re, x_im, split(x_re), split(x_im)};
    v_re = p.re[first];
    v_im = p.im[first];
    if (derivative) d_re = d_im = 0;
    ext c_re = 0, c_im = 0, dc_re = 0, dc_im = 0;  // the errors carried along
    for (int i = 1, k = first + step; i <= p.n; ++i, k += step) {
        ext t_re, t_im, e_re, e_im, g_re, g_im;
        if (derivative) {
            // d = d x + v, before v moves on
            complex_two_product(d_re, d_im, x, t_re, t_im, e_re, e_im);
            two_sum(t_re, v_re, d_re, g_re);
            two_sum(t_im, v_im, d_im, g_im);
            horner_step(dc_re, dc_im, x_re, x_im, e_re + g_re, e_im + g_im);
            dc_re += c_re;
            dc_im += c_im;
        }
        // v = v x + a_k
        complex_two_product(v_re, v_im, x, t_re, t_im, e_re, e_im);
        two_sum(t_re, p.re[k], v_re, g_re);
        two_sum(t_im, p.im[k], v_im, g_im);
        horner_step(c_re, c_im, x_re, x_im, e_re + g_re, e_im + g_im);
    }
    v_re += c_re;
    v_im += c_im;
    d_re += dc_re;
    d_im += dc_im;
}

// What p at z tells the iteration.
struct Reading {
    ext backward;  // |p(z)| / sum |a_k| |z|^(n-k): how much the coefficients
                   // must change, relatively, for z to be an exact root
    ext ratio_re, ratio_im;  // p'(z) / p(z); not set when backward is 0
};

// Horner's scheme for p and p' with the sum of the moduli beside it,
// compensated as asked. Outside the unit circle it runs on the reversed
// polynomial in y = 1/z, p(z) = z^n r(y) and p'(z)/p(z) = y (n - y r'(y)/r(y)),
// so that no power of z can leave the extended range.
Reading read_at(const Polynomial& p, ext z_re, ext z_im, Compensation compensation)
{
    const int n = p.n;
    const ext size = modulus(z_re, z_im);
    const bool reversed = size > 1;
    ext x_re = z_re, x_im = z_im, x_size = size;
    if (reversed) {
        const ext d = norm2(z_re, z_im);
        x_re = z_re / d;
        x_im = -z_im / d;
        x_size = 1 / size;
    }
    const int first = reversed ? n : 0, step = reversed ? -1 : 1;
    ext v_re = p.re[first], v_im = p.im[first], d_re = 0, d_im = 0, s = p.size[first];
    if (compensation == Compensation::Both) {
        // The compensated scheme computes value and derivative anew; only
        // the sum of the moduli is wanted from here.
        for (int i = 1, k = first + step; i <= n; ++i, k += step) s = s * x_size + p.size[k];
    } else {
        for (int i = 1, k = first + step; i <= n; ++i, k += step) {
            horner_step(d_re, d_im, x_re, x_im, v_re, v_im);
            horner_step(v_re, v_im, x_re, x_im, p.re[k], p.im[k]);
            s = s * x_size + p.size[k];
        }
    }
    if (compensation != Compensation::None)
        compensated_horner(p, first, step, x_re, x_im, compensation == Compensation::Both, v_re, v_im, d_re, d_im);
    Reading r{modulus(v_re, v_im) / s, 0, 0};
    const ext q = norm2(v_re, v_im);
    // A value whose square underflows is a root for every purpose here.
    if (q == 0) {
        r.backward = 0;
        return r;
    }
    ext l_re = (d_re * v_re + d_im * v_im) / q, l_im = (d_im * v_re - d_re * v_im) / q;
    if (reversed) {
        ext w_re, w_im;
        mul(x_re, x_im, l_re, l_im, w_re, w_im);
        w_re = n - w_re;
        w_im = -w_im;
        mul(x_re, x_im, w_re, w_im, l_re, l_im);
    }
    r.ratio_re = l_re;
    r.ratio_im = l_im;
    return r;
}

// log2 x to within 0.09: the exponent and a straight line through the
// mantissa. Starting circles need no more, and this is exact arithmetic.
ext rough_log2(ext x)
{
    const int e = std::ilogb(x);
    return e + (std::scalbn(x, -e) - 1);
}

ext rough_exp2(ext t)
{
    const ext whole = std::floor(t);
    return std::scalbn(1 + (t - whole), static_cast<int>(whole));
}

// cos and sin by their series, after bringing the angle into -pi..pi.
void unit_point(ext angle, ext& c, ext& s)
{
    angle -= kTwoPi * std::floor(angle / kTwoPi + 0.5L);
    c = s = 0;
    ext term = 1;  // angle^k / k!
    for (int k = 0; k < 40; ++k) {
        switch (k % 4) {
        case 0: c += term; break;
        case 1: s += term; break;
        case 2: c -= term; break;
        default: s -= term; break;
        }
        term = term * angle / (k + 1);
    }
}

// Starting points: the upper convex hull of the points (k, log2 |c_k|), c_k
// the coefficient of x^k, tells how many roots lie near which modulus (an
// edge from k = i to k = j stands for j - i roots of modulus about
// (|c_i| / |c_j|)^(1/(j - i))); each edge gets that many points on its circle.
void starting_points(const Polynomial& p, ext* z_re, ext* z_im)
{
    const int n = p.n;
    Scratch<ext> height(n + 1);
    Scratch<int> hull(n + 1);
    int count = 0;
    for (int k = 0; k <= n; ++k) {
        const ext size = p.size[n - k];
        if (size == 0) continue;
        height[k] = rough_log2(size);
        // Drop the last hull point while it lies on or below the chord from
        // the one before it to k.
        while (count >= 2) {
            const int a = hull[count - 2], b = hull[count - 1];
            if ((height[b] - height[a]) * (k - a) > (height[k] - height[a]) * (b - a)) break;
            --count;
        }
        hull[count++] = k;
    }
    int root = 0;
    for (int e = 0; e + 1 < count; ++e) {
        const int i = hull[e], j = hull[e + 1], m = j - i;
        const ext radius = rough_exp2((height[i] - height[j]) / m);
        for (int t = 0; t < m; ++t, ++root) {
            ext c, s;
            unit_point(kTwoPi * t / m + kTwoPi * i / n + kStartTurn, c, s);
            z_re[root] = radius * c;
            z_im[root] = radius * s;
        }
    }
}

// Each root is corrected with plain Horner values until its residual is at
// their rounding level or its corrections shrink as only a simple root's
// do, then takes one Newton step with a compensated value. Where that step
// is tiny the root is simple and well separated, and the step has taken it
// as far as extended precision goes; otherwise it is multiple or
// ill-conditioned and goes on with compensated values.
struct RootState {
    bool compensated;
    bool settled;
    bool polished;  // its last move was a compensated Newton step
    ext last_step;  // its last correction
    int stalls;     // compensated corrections in a row that did not shrink
};

// A compensated Newton step at most this large, relative to the root, is
// one of a simple root's last ones: from there Newton converges
// quadratically, and a multiple root is still far further off.
constexpr ext kLastNewtonStep = 0x1p-40L;
// A plain correction this small that is also below the square of the one
// before shows the cubic convergence at a simple root: the next one would
// be below the extended precision.
constexpr ext kConvergedStep = 0x1p-21L;
// Compensated corrections in a row that do not shrink, and a root is as
// close as the precision lets it come.
constexpr int kStalls = 3;

// p(z) / p'(z) where the reading has it; false at an exact root.
bool newton_step(const Reading& r, ext& d_re, ext& d_im)
{
    const ext q = norm2(r.ratio_re, r.ratio_im);
    if (r.backward == 0 || q == 0 || !std::isfinite(q)) return false;
    d_re = r.ratio_re / q;
    d_im = -r.ratio_im / q;
    return std::isfinite(d_re) && std::isfinite(d_im);
}

// 1 / (p'/p(z_i) - sum over j != i of 1/(z_i - z_j)); false where the
// divisor vanishes or is not finite.
bool aberth_step(const Reading& r, int i, int n, const ext* z_re, const ext* z_im, ext& w_re, ext& w_im)
{
    ext den_re = r.ratio_re, den_im = r.ratio_im;
    for (int j = 0; j < n; ++j) {
        if (j == i) continue;
        const ext g = z_re[i] - z_re[j], h = z_im[i] - z_im[j];
        const ext q = norm2(g, h);
        if (q == 0) continue;
        const ext inverse = 1 / q;
        den_re -= g * inverse;
        den_im += h * inverse;
    }
    const ext q = norm2(den_re, den_im);
    if (q == 0 || !std::isfinite(q)) return false;
    w_re = den_re / q;
    w_im = -den_im / q;
    return true;
}

// The end of root i's plain stage; true when the root is settled.
bool leave_plain_stage(const Polynomial& p, ext& z_re, ext& z_im, RootState& root)
{
    root.compensated = true;
    root.last_step = HUGE_VALL;
    // Near a simple root the plain derivative is accurate enough.
    ext d_re, d_im;
    if (!newton_step(read_at(p, z_re, z_im, Compensation::Value), d_re, d_im)) return true;
    if (modulus(d_re, d_im) > kLastNewtonStep * modulus(z_re, z_im)) return false;
    z_re -= d_re;
    z_im -= d_im;
    root.polished = true;
    return true;
}

enum class Progress { Open, Settled, Failed };

Progress settled_if(bool settled)
{
    return settled ? Progress::Settled : Progress::Open;
}

// One correction of root i, with plain or compensated values. Failed where
// the correction cannot be divided out or leaves the finite numbers.
Progress correct_root(const Polynomial& p, int i, ext* z_re, ext* z_im, RootState& root)
{
    const int n = p.n;
    const Reading r = read_at(p, z_re[i], z_im[i], root.compensated ? Compensation::Both : Compensation::None);
    if (r.backward == 0) return Progress::Settled;  // an exact root
    if (!root.compensated && r.backward <= 8 * n * kRoundoff)
        return settled_if(leave_plain_stage(p, z_re[i], z_im[i], root));
    ext w_re, w_im;
    if (!aberth_step(r, i, n, z_re, z_im, w_re, w_im)) return Progress::Failed;
    const ext step = modulus(w_re, w_im);
    // With compensated values: a residual at their rounding level, or a
    // correction that no longer shrinks, time after time, is all the
    // precision gives. Once in a while it is only the iteration still finding
    // its way among close neighbours, as at high degree, where plain values
    // lose their digits far from the roots.
    if (root.compensated) {
        if (r.backward <= 64 * n * n * kRoundoff * kRoundoff) return Progress::Settled;
        root.stalls = step >= root.last_step ? root.stalls + 1 : 0;
        if (root.stalls == kStalls) return Progress::Settled;
    }
    z_re[i] -= w_re;
    z_im[i] -= w_im;
    if (!std::isfinite(z_re[i]) || !std::isfinite(z_im[i])) return Progress::Failed;
    const ext size = modulus(z_re[i], z_im[i]);
    const bool converged = step <= kConvergedStep * size && step * size <= root.last_step * root.last_step;
    root.last_step = step;
    if (step <= 2 * kRoundoff * size) return Progress::Settled;
    return settled_if(!root.compensated && converged && leave_plain_stage(p, z_re[i], z_im[i], root));
}

// Aberth-Ehrlich: every unsettled root corrected once per sweep, each with
// the newest values of the others. False when the sweep cap is reached or a
// value leaves the finite numbers.
bool iterate(const Polynomial& p, ext* z_re, ext* z_im, RootState* state)
{
    for (int i = 0; i < p.n; ++i) state[i].last_step = HUGE_VALL;
    int open = p.n;
    for (int sweep = 0; open > 0; ++sweep) {
        if (sweep == kMaxSweeps) return false;
        for (int i = 0; i < p.n; ++i) {
            if (state[i].settled) continue;
            const Progress progress = correct_root(p, i, z_re, z_im, state[i]);
            if (progress == Progress::Failed) return false;
            state[i].settled = progress == Progress::Settled;
            if (state[i].settled) --open;
        }
    }
    return true;
}

// The final Newton step, with compensated values, of every root whose last
// move was an Aberth correction; kept only where it lowers the residual, so
// that it takes a root the last bit further and leaves a multiple one alone.
void polish(const Polynomial& p, ext* z_re, ext* z_im, const RootState* state)
{
    for (int i = 0; i < p.n; ++i) {
        if (state[i].polished) continue;
        const Reading r = read_at(p, z_re[i], z_im[i], Compensation::Both);
        ext d_re, d_im;
        if (!newton_step(r, d_re, d_im)) continue;
        const ext next_re = z_re[i] - d_re, next_im = z_im[i] - d_im;
        if (read_at(p, next_re, next_im, Compensation::Both).backward < r.backward) {
            z_re[i] = next_re;
            z_im[i] = next_im;
        }
    }
}

}  // namespace

int simultaneous_roots(const long double* a_re, const long double* a_im, int n, long double* z_re,
                       long double* z_im)
{
    if (n < 1) return ROOTS_NO_CONVERGENCE;
    Scratch<ext> size(n + 1);
    for (int k = 0; k <= n; ++k) {
        if (!std::isfinite(a_re[k]) || !std::isfinite(a_im[k])) return ROOTS_NO_CONVERGENCE;
        size[k] = modulus(a_re[k], a_im[k]);
    }
    if (size[0] == 0 || size[n] == 0) return ROOTS_NO_CONVERGENCE;

    if (n == 1) {
        // -a_1 / a_0
        const ext q = a_re[0] * a_re[0] + a_im[0] * a_im[0];
        z_re[0] = -(a_re[1] * a_re[0] + a_im[1] * a_im[0]) / q;
        z_im[0] = -(a_im[1] * a_re[0] - a_re[1] * a_im[0]) / q;
    } else {
        const Polynomial p{a_re, a_im, n, size.data()};
        starting_points(p, z_re, z_im);
        Scratch<RootState> state(n);
        if (!iterate(p, z_re, z_im, state.data())) return ROOTS_NO_CONVERGENCE;
        polish(p, z_re, z_im, state.data());
    }
    for (int k = 0; k < n; ++k)
        if (!std::isfinite(z_re[k]) || !std::isfinite(z_im[k])) return ROOTS_NO_CONVERGENCE;
    return ROOTS_OK;
}

int find_roots_simultaneously(int n)
{
    if (n < 1 || n >= kRows) return ROOTS_NO_CONVERGENCE;
    ext z_re[kRows], z_im[kRows];
    const int result = simultaneous_roots(ws.work_re, ws.work_im, n, z_re, z_im);
    if (result != ROOTS_OK) return result;
    for (int k = 0; k < n; ++k) {
        ws.work_re[k] = z_re[k];
        ws.work_im[k] = z_im[k];
    }
    return ROOTS_OK;
}
