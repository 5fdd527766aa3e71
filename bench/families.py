#!/usr/bin/env python3
"""Classical polynomial families and random complex ones, at any degree,
generated from their definitions with exact rational coefficients, and
written as JSON Lines for drovu-solve (constant term first) or as MPSolve's
exact input.

    bench/families.py FAMILY DEGREE [SEED]   one JSON line on standard output
    bench/families.py --list                 the family names

Every family is rescaled x = 2^m y (and divided by a power of two) so that
its coefficients span as few binades as they can: the roots scale exactly by
2^-m, relative root errors are unchanged, and degree 800 still fits in
doubles, which numpy.roots needs. Numbers are written with 25 significant
digits: a double arrives exactly, a rational as near as extended precision
can hold it.
"""
import random
import sys
from fractions import Fraction
from math import comb, factorial

DIGITS = 25


def _multiply(p, q):
    r = [0] * (len(p) + len(q) - 1)
    for i, a in enumerate(p):
        if a:
            for j, b in enumerate(q):
                r[i + j] += a * b
    return r


def _recurrence(n, p0, p1, step):
    """p_{k+1} from p_k and p_{k-1} by step(k, p_k, p_{k-1}); lists of ints, constant first."""
    if n == 0:
        return p0
    prev, cur = p0, p1
    for k in range(1, n):
        prev, cur = cur, step(k, cur, prev)
    return cur


def _shift_mul(p, a, b):
    """(a x + b) p as a list."""
    r = [0] * (len(p) + 1)
    for i, c in enumerate(p):
        r[i + 1] += a * c
        r[i] += b * c
    return r


def _sub(p, q):
    n = max(len(p), len(q))
    p, q = p + [0] * (n - len(p)), q + [0] * (n - len(q))
    return [a - b for a, b in zip(p, q)]


def chebyshev(n):  # T_{k+1} = 2x T_k - T_{k-1}
    return _recurrence(n, [1], [0, 1], lambda k, c, p: _sub(_shift_mul(c, 2, 0), p))


def legendre(n):  # (k+1) P_{k+1} = (2k+1) x P_k - k P_{k-1}; scaled to integers by n!
    ps = [[Fraction(1)], [Fraction(0), Fraction(1)]]
    for k in range(1, n):
        ps.append([c / (k + 1) for c in _sub(_shift_mul(ps[-1], 2 * k + 1, 0), [k * c for c in ps[-2]])])
    return [c * 2**n for c in ps[n]]


def hermite(n):  # H_{k+1} = 2x H_k - 2k H_{k-1}
    return _recurrence(n, [1], [0, 2], lambda k, c, p: _sub(_shift_mul(c, 2, 0), [2 * k * a for a in p]))


def laguerre(n):  # n! L_n = sum (-1)^k C(n,k) n!/k! x^k
    return [(-1) ** k * comb(n, k) * (factorial(n) // factorial(k)) for k in range(n + 1)]


def wilkinson(n):  # (x - 1)(x - 2)...(x - n)
    p = [1]
    for k in range(1, n + 1):
        p = _multiply(p, [-k, 1])
    return p


def mignotte(n):  # x^n - 2 (10 x - 1)^2: two roots 1e-(n/2+1) apart near 0.1
    p = [0] * (n + 1)
    p[n] = 1
    for k, c in enumerate([-2, 40, -200]):
        p[k] += c
    return p


def unity(n):  # x^n - 1
    return [-1] + [0] * (n - 1) + [1]


def exponential(n):  # n! sum x^k / k!
    return [factorial(n) // factorial(k) for k in range(n + 1)]


FAMILIES = {f.__name__: f for f in (chebyshev, legendre, hermite, laguerre, wilkinson, mignotte, unity,
                                     exponential)}


def _log2(x):
    x = abs(Fraction(x))
    return x.numerator.bit_length() - x.denominator.bit_length()


def balanced(coefficients):
    """(coefficients of p(2^m y) / 2^e, m): the power-of-two scalings that
    make the nonzero coefficients' binades span least, the largest near 1."""
    logs = [(k, _log2(c)) for k, c in enumerate(coefficients) if c]
    m = min(range(-64, 65), key=lambda m: max(l + m * k for k, l in logs) - min(l + m * k for k, l in logs))
    e = max(l + m * k for k, l in logs)
    return [Fraction(c) * Fraction(2) ** (m * k - e) for k, c in enumerate(coefficients)], m


def family(name, n):
    """Exact coefficients (constant first) of the family at degree n, balanced, and m."""
    return balanced(FAMILIES[name](n))


def random_complex(n, seed):
    """Complex Gaussian coefficients as pairs of doubles, constant first."""
    rng = random.Random(seed)
    return [(rng.gauss(0, 1), rng.gauss(0, 1)) for _ in range(n + 1)]


def number_text(x):
    """x (a Fraction, int or float) with DIGITS significant digits."""
    x = Fraction(x)
    if x == 0:
        return "0"
    sign, x = ("-" if x < 0 else ""), abs(x)
    exponent = _log2(x) * 3 // 10 - DIGITS
    while True:
        scaled = x / Fraction(10) ** exponent
        digits = (scaled.numerator * 2 + scaled.denominator) // (2 * scaled.denominator)
        if digits < 10**DIGITS:
            break
        exponent += 1
    text = str(digits).rstrip("0")
    point = "." + text[1:] if len(text) > 1 else ""
    return "%s%s%se%d" % (sign, text[0], point, exponent + len(str(digits)) - 1)


def json_line(ident, coefficients):
    """One JSON line; a coefficient is a real or a (re, im) pair."""
    def text(c):
        if isinstance(c, tuple):
            return "[%s,%s]" % (number_text(c[0]), number_text(c[1]))
        return number_text(c)
    return '{"id":"%s","coefficients":[%s]}' % (ident, ",".join(text(c) for c in coefficients))


def mpsolve_input(coefficients):
    """MPSolve's input with the exact rational coefficients."""
    def pair(c):
        re, im = (c if isinstance(c, tuple) else (c, 0))
        return "%s %s" % (Fraction(re), Fraction(im))
    lines = ["Monomial;", "Complex;", "Rational;", "Degree = %d;" % (len(coefficients) - 1)]
    return "\n".join(lines + [pair(c) for c in coefficients]) + "\n"


def main(argv):
    if argv[1:] == ["--list"]:
        print(" ".join(["random"] + list(FAMILIES)))
        return
    name, n = argv[1], int(argv[2])
    if name == "random":
        print(json_line("random-%d" % n, random_complex(n, int(argv[3]) if len(argv) > 3 else n)))
    else:
        print(json_line("%s-%d" % (name, n), family(name, n)[0]))


if __name__ == "__main__":
    main(sys.argv)
