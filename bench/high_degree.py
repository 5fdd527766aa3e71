#!/usr/bin/env python3
"""The high-degree table of make bench: drovu-solve --input jsonl beside
numpy.roots and MPSolve (mpsolve -Ga -o16 -j1) on the same equations in the
same run, time per solve and the largest relative root error against a
reference with 30 guaranteed digits (MPSolve on the exact coefficients, or
the roots themselves where the family has them in closed form); then a
stream of many small equations through a pipe against numpy.roots in a
Python loop.

    bench/high_degree.py DROVU_SOLVE [--big]

--big adds degree 3,200 for everyone and 10,000 for drovu-solve alone.
"""
import json
import os
import random
import subprocess
import sys
import tempfile
import time
from fractions import Fraction

import mpmath
import numpy as np
from scipy.linalg import eigh_tridiagonal
from scipy.optimize import linear_sum_assignment

import families

RANDOM_DEGREES = (50, 100, 200, 400, 800, 1600)
FAMILY_DEGREES = (50, 100, 200, 400, 800)
STREAM_LINES = 100000


def timed(command, stdin=None, repeat_until=0.5, limit=None):
    """(seconds per run, stdout of the last run): runs until repeat_until seconds have
    passed; (None, None) when a run takes longer than limit seconds."""
    runs, start = 0, time.perf_counter()
    while True:
        with open(stdin, "rb") if stdin else open(os.devnull, "rb") as f:
            try:
                out = subprocess.run(command, stdin=f, capture_output=True, check=False, timeout=limit).stdout
            except subprocess.TimeoutExpired:
                return None, None
        runs += 1
        if time.perf_counter() - start >= repeat_until:
            return (time.perf_counter() - start) / runs, out


def drovu(solve, work, line, degree):
    """(seconds per solve, roots): the line repeated so that process start-up weighs little."""
    copies = max(1, 20000 // (degree * degree) + 1)
    path = os.path.join(work, "in.jsonl")
    with open(path, "w") as f:
        f.write((line + "\n") * copies)
    seconds, out = timed([solve, "--input", "jsonl", "--format", "json", path])
    answer = json.loads(out.splitlines()[0])
    if answer["status"] != 0:
        return seconds / copies, None
    return seconds / copies, np.array([complex(re, im) for re, im in answer["roots"]])


def numpy_roots(coefficients):
    """(seconds per solve, roots) of numpy.roots on the doubles nearest the coefficients."""
    c = np.array([complex(float(Fraction(re)), float(Fraction(im))) for re, im in pairs(coefficients)][::-1])
    runs, start = 0, time.perf_counter()
    while True:
        roots = np.roots(c)
        runs += 1
        if time.perf_counter() - start >= 0.5:
            return (time.perf_counter() - start) / runs, roots


def pairs(coefficients):
    return [c if isinstance(c, tuple) else (c, 0) for c in coefficients]


def mpsolve_roots(work, coefficients, digits, repeat_until=0.0, limit=120):
    """(seconds per solve, roots as mpmath numbers) of MPSolve on the exact coefficients;
    (None, None) past limit seconds (MPSolve needs many digits on some families)."""
    path = os.path.join(work, "in.pol")
    with open(path, "w") as f:
        f.write(families.mpsolve_input(coefficients))
    seconds, out = timed(["mpsolve", "-Ga", "-o%d" % digits, "-j1", path], repeat_until=repeat_until,
                         limit=limit)
    if out is None:
        return None, None
    roots = []
    for line in out.decode().splitlines():
        re, im = line.strip().strip("()").split(",")
        roots.append(mpmath.mpc(mpmath.mpf(re.strip()), mpmath.mpf(im.strip())))
    return seconds, roots


def known_roots(name, n, m):
    """The roots (scaled by 2^-m) where the family has them in closed form, or as the
    eigenvalues of its Jacobi matrix (to about 1e-15), else None."""
    k = np.arange(1, n)
    jacobi = {"legendre": (np.zeros(n), k / np.sqrt(4.0 * k * k - 1)),
              "hermite": (np.zeros(n), np.sqrt(k / 2.0)),
              "laguerre": (2.0 * np.arange(n) + 1, k.astype(float))}
    if name in jacobi:
        return [mpmath.mpf(float(x)) * mpmath.mpf(2) ** -m for x in eigh_tridiagonal(*jacobi[name], eigvals_only=True)]
    if name == "unity":
        return [mpmath.expjpi(mpmath.mpf(2 * k) / n) for k in range(n)]
    if name == "chebyshev":
        return [mpmath.cospi(mpmath.mpf(2 * k + 1) / (2 * n)) * mpmath.mpf(2) ** -m for k in range(n)]
    if name == "wilkinson":
        return [mpmath.mpf(k) * mpmath.mpf(2) ** -m for k in range(1, n + 1)]
    return None


def largest_error(found, reference):
    """Largest relative distance between reference roots and found roots paired off one
    to one so that the distances add up least; inf when roots are missing."""
    if found is None or len(found) != len(reference):
        return float("inf")
    ref = np.array([complex(r) for r in reference])
    relative = np.abs(ref[:, None] - found[None, :]) / np.maximum(np.abs(ref), 1e-300)[:, None]
    rows, cols = linear_sum_assignment(relative)
    return float(relative[rows, cols].max())


def row(solve, work, label, line, coefficients, reference_of, with_others=True):
    n = len(coefficients) - 1
    t_drovu, r_drovu = drovu(solve, work, line, n)
    t_mps, r_mps = mpsolve_roots(work, coefficients, 16, 0.5, 30) if with_others else (None, None)
    reference = reference_of(work, coefficients)
    t_np, r_np = numpy_roots(coefficients) if with_others else (None, None)

    def cell(t, roots, numeric=True):
        if t is None:
            return "%10s %9s" % ("-", "-")
        if reference is None:
            return "%10.4f %9s" % (t, "no ref.")
        error = largest_error(np.array([complex(r) for r in roots]) if not numeric else roots, reference)
        return "%10.4f %9.1e" % (t, error)
    print("%-16s %5d  %s  %s  %s  %6s %6s" % (
        label, n, cell(t_drovu, r_drovu), cell(t_np, r_np), cell(t_mps, r_mps, numeric=False),
        "%.3f" % (t_drovu / t_np) if t_np else "-", "%.3f" % (t_drovu / t_mps) if t_mps else "-"), flush=True)


def stream(solve, work, lines):
    """A pipe of lines random equations of degree 1..29, JSON out: drovu-solve against
    numpy.roots in a Python loop (json.loads and json.dumps included)."""
    rng = random.Random(2026)
    path = os.path.join(work, "stream.jsonl")
    with open(path, "w") as f:
        for i in range(lines):
            n = rng.randint(1, 29)
            f.write(json.dumps({"id": i, "coefficients": [[rng.gauss(0, 1), rng.gauss(0, 1)] for _ in range(n + 1)]})
                    + "\n")
    start = time.perf_counter()
    with open(path, "rb") as f:
        subprocess.run("cat | '%s' --input jsonl --format json > /dev/null" % solve, shell=True, stdin=f, check=False)
    t_drovu = time.perf_counter() - start
    start = time.perf_counter()
    with open(path) as f, open(os.devnull, "w") as out:
        for text in f:
            e = json.loads(text)
            c = np.array([complex(re, im) for re, im in e["coefficients"]][::-1])
            r = np.roots(c)
            out.write(json.dumps({"id": e["id"], "roots": [[z.real, z.imag] for z in r]}) + "\n")
    t_numpy = time.perf_counter() - start
    print("\nstream of %d equations of degree 1..29, JSON in and out:" % lines)
    print("  drovu-solve through a pipe %.2f s (%.1f us each); numpy.roots loop %.2f s (%.1f us each); %.1fx" % (
        t_drovu, 1e6 * t_drovu / lines, t_numpy, 1e6 * t_numpy / lines, t_numpy / t_drovu))


def main(argv):
    solve, big = os.path.realpath(argv[1]), "--big" in argv
    mpmath.mp.dps = 40
    print("\nHigh degree: seconds per solve and largest relative root error against 30-digit references")
    print("%-16s %5s  %20s  %20s  %20s  %13s" % ("equation", "n", "drovu-solve", "numpy.roots", "MPSolve -o16",
                                                 "drovu/np  /mps"))
    with tempfile.TemporaryDirectory() as work:
        def by_mpsolve(work, coefficients):
            return mpsolve_roots(work, coefficients, 30)[1]
        degrees = RANDOM_DEGREES + ((3200,) if big else ())
        for n in degrees:
            c = families.random_complex(n, n)
            row(solve, work, "random complex", families.json_line("r", c), c, by_mpsolve)
        if big:
            c = families.random_complex(10000, 10000)
            t, roots = drovu(solve, work, families.json_line("r", c), 10000)
            print("%-16s %5d  %10.2f s, %s roots" % ("random complex", 10000, t,
                                                     "all" if roots is not None and len(roots) == 10000 else "NOT all"))
        for name in families.FAMILIES:
            for n in FAMILY_DEGREES:
                c, m = families.family(name, n)
                exact = known_roots(name, n, m)
                row(solve, work, name, families.json_line(name, c), c,
                    (lambda w, cc: exact) if exact else by_mpsolve)
        stream(solve, work, STREAM_LINES)


if __name__ == "__main__":
    main(sys.argv)
