// Complex arithmetic in extended precision on (re, im) pairs of long doubles
// (x87 extended, 64-bit significand). Each operation is written out once,
// in the order the solver has always rounded it, so that both builds and
// every caller round at the same points.
#pragma once

#include <cmath>

using ext = long double;

// (u + iv)(g + ih) = (ug - vh) + i(uh + vg)
inline void mul(ext u, ext v, ext g, ext h, ext& re, ext& im)
{
    re = u * g - v * h;
    im = u * h + v * g;
}

// One Horner step, v = v·z + a, the product rounded as in mul().
inline void horner_step(ext& v_re, ext& v_im, ext z_re, ext z_im, ext a_re, ext a_im)
{
    ext t_re, t_im;
    mul(v_re, v_im, z_re, z_im, t_re, t_im);
    v_re = t_re + a_re;
    v_im = t_im + a_im;
}

// |z|^2 as re^2 + im^2.
inline ext norm2(ext re, ext im)
{
    return re * re + im * im;
}

// (u + iv)/(g + ih) = ((ug + vh) + i(vg - uh)) / (g^2 + h^2). Returns false,
// leaving re and im alone, when the divisor's squared modulus is zero or not
// finite: a quotient that cannot be formed ends the caller's search.
inline bool quotient(ext u, ext v, ext g, ext h, ext& re, ext& im)
{
    const ext d = norm2(g, h);
    if (d == 0 || !std::isfinite(d)) return false;
    re = (u * g + v * h) / d;
    im = (v * g - u * h) / d;
    return true;
}

inline bool finite(ext re, ext im)
{
    return std::isfinite(re) && std::isfinite(im);
}
