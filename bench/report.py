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

BANDS = ((1, 4), (5, 10), (11, 20), (21, 28), (29, 29))
KEYS = ("Standard", "Param. change", "Deflation", "Param.+Defl.")


def read_polynomials(path):
    polys, lines = [], [l.split() for l in open(path) if l.strip() and not l.startswith("#")]
    i = 0
    while i < len(lines):
        ident, family, degree = lines[i][0], lines[i][1], int(lines[i][2])
        coefficients = [complex(float(re), float(im)) for re, im in lines[i + 1:i + degree + 2]]
        polys.append((ident, family, degree, np.array(coefficients)))
        i += degree + 2
    return polys


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
    polys = read_polynomials(sys.argv[1])
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
            ratios = [statistics.median(times[i, key] / numpy_us[i] for i in idents) for key in range(4)]
            print(f"{low:2}..{high:<4}" + "".join(f"{r:15.3f}" for r in ratios))
        standard = statistics.median(times[i, 0] for i in random29)
        numpy_random = statistics.median(numpy_us[i] for i in random29)
        print(f"Standard, degree 29 random complex: {standard:.1f} us, {standard / numpy_random:.3f} x numpy.roots")
        for key in range(4):
            slowest = max((i for i in numpy_us), key=lambda i: times[i, key])
            print(f"slowest {KEYS[key]:14} {slowest:16} {times[slowest, key]:9.1f} us = "
                  f"{times[slowest, key] / numpy29:5.2f} x numpy's degree 29")


if __name__ == "__main__":
    main()
