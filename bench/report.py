#!/usr/bin/env python3
"""Times numpy.roots on the benchmark's equations, the yardstick, and sets the
solver's times beside it.

    bench/report.py POLYNOMIALS NAME=TIMES...

TIMES is what `solve_loop POLYNOMIALS` printed (one build each, e.g.
native=... wine=...). Prints, per build and key, the median ratio to numpy per
degree band, and the slowest solve per key as a multiple of numpy's median
degree-29 time.
"""
import statistics
import sys
import time

import numpy as np

from polynomials import read_polynomials

BANDS = ((1, 4), (5, 10), (11, 20), (21, 28), (29, 29))
KEYS = ("Standard", "Param. change", "Deflation", "Param.+Defl.", "Simultaneous")


def read_equations(path):
    """[(id, family, degree, numpy array of the coefficients)]"""
    return [(ident, family, len(c) - 1, np.array([complex(re, im) for re, im in c]))
            for ident, family, c in read_polynomials(path)]


def numpy_microseconds(coefficients):
    """The fastest of five batches of at least a millisecond, as solve_loop times."""
    batches = []
    for _ in range(5):
        calls, start = 0, time.perf_counter()
        while True:
            np.roots(coefficients)
            calls += 1
            elapsed = time.perf_counter() - start
            if elapsed >= 1e-3:
                break
        batches.append(elapsed / calls * 1e6)
    return min(batches)


def main():
    polys = read_equations(sys.argv[1])
    numpy_us = {ident: numpy_microseconds(c) for ident, _, _, c in polys}
    degree = {ident: d for ident, _, d, _ in polys}
    numpy29 = statistics.median(us for ident, us in numpy_us.items() if degree[ident] == 29)
    random29 = [ident for ident, family, d, _ in polys if family == "randn_c" and d == 29]
    print(f"numpy.roots, median at degree 29: {numpy29:.1f} us")
    for argument in sys.argv[2:]:
        name, path = argument.split("=", 1)
        times = {}
        for line in open(path):
            ident, _, _, key, us, _ = line.split()
            times[ident, int(key)] = float(us)
        print(f"\n== {name}: median time / numpy.roots by degree band")
        print(f"{'degree':8}" + "".join(f"{k:>15}" for k in KEYS))
        for low, high in BANDS:
            idents = [i for i in numpy_us if low <= degree[i] <= high]
            ratios = [statistics.median(times[i, key] / numpy_us[i] for i in idents) for key in range(len(KEYS))]
            print(f"{low:2}..{high:<4}" + "".join(f"{r:15.3f}" for r in ratios))
        numpy_random = statistics.median(numpy_us[i] for i in random29)
        for key in (0, 4):
            us = statistics.median(times[i, key] for i in random29)
            print(f"{KEYS[key]}, degree 29 random complex: {us:.1f} us, {us / numpy_random:.3f} x numpy.roots")
        for key in range(len(KEYS)):
            slowest = max((i for i in numpy_us), key=lambda i: times[i, key])
            print(f"slowest {KEYS[key]:14} {slowest:16} {times[slowest, key]:9.1f} us = "
                  f"{times[slowest, key] / numpy29:5.2f} x numpy's degree 29")


if __name__ == "__main__":
    main()
