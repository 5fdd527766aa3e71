#!/usr/bin/python3
"""How close the roots of every key come to the true ones.

    bench/accuracy.py DROVU_SOLVE [POLYNOMIALS]

Writes each benchmark polynomial as a coefficient data file whose texts fit
a field (at most 15 characters), computes the roots of exactly those decimal
coefficients with mpmath at high precision, solves the files with
drovu-solve under every key and with numpy.roots, and prints per family the
largest relative root error |z - r| / |r|, each computed root paired with
the nearest unpaired true one. F counts equations without a solution, W
those solved with the large-error warning (their roots are counted too).
drovu-solve's JSON gives the roots as the finder computed them, each
rounded once to double (not the report's cleaned-up texts).
"""
import json
import os
import subprocess
import sys
import tempfile

import mpmath
import numpy as np

from polynomials import read_polynomials

KEYS = ["standard", "param", "deflation", "param-deflation", "auto", "simultaneous"]
HERE = os.path.dirname(os.path.abspath(__file__))
REFUSED = 3  # drovu-solve's exit status for coefficients the Solve command refuses


def field_text(x):
    """The decimal text of at most 15 characters closest to x."""
    if x == 0:
        return "0"
    for digits in range(17, 0, -1):
        text = "%.*g" % (digits, x)
        if "e" in text:
            mantissa, exponent = text.split("e")
            text = mantissa + "e" + str(int(exponent))
        if len(text) <= 15:
            return text
    raise ValueError(x)


def write_data_file(path, texts):
    """Constant term first, as Read Data expects."""
    with open(path, "wb") as f:
        for re_text, im_text in reversed(texts):
            f.write(("%s %s\r\n" % (re_text, im_text)).encode())


def starting_points(coefficients, turn):
    """Points on circles whose radii follow the upper convex hull of
    log |c_k| (c_k multiplies x^k), as many on a circle as its edge is long."""
    n = len(coefficients) - 1
    heights = {k: float(mpmath.log(abs(c))) for k, c in enumerate(reversed(coefficients)) if c != 0}
    hull = []
    for k in sorted(heights):
        while len(hull) >= 2:
            a, b = hull[-2], hull[-1]
            if (heights[b] - heights[a]) * (k - a) > (heights[k] - heights[a]) * (b - a):
                break
            hull.pop()
        hull.append(k)
    points = []
    for i, j in zip(hull, hull[1:]):
        radius = mpmath.exp((heights[i] - heights[j]) / (j - i))
        points += [radius * mpmath.expjpi(2 * t / (j - i) + 2 * i / n + turn) for t in range(j - i)]
    return points


def aberth(coefficients, dps, turn):
    """All roots by Aberth's iteration at dps digits, until every correction
    is below the precision or the largest one has stopped shrinking (near a
    multiple root the iteration converges only linearly, and then stalls at
    a distance the precision sets)."""
    with mpmath.workdps(dps):
        a = [mpmath.mpc(mpmath.mpf(r), mpmath.mpf(i)) for r, i in coefficients]
        z = starting_points(a, turn)
        small = mpmath.mpf(10) ** (8 - dps)
        best, stalled = mpmath.inf, 0
        for _ in range(5000):
            largest = 0
            for i, zi in enumerate(z):
                p, dp = mpmath.polyval(a, zi, derivative=True)
                if p == 0:
                    continue
                s = mpmath.fsum(1 / (zi - zj) for j, zj in enumerate(z) if j != i and zj != zi)
                w = 1 / (dp / p - s)
                z[i] = zi - w
                largest = max(largest, abs(w) / abs(z[i]))
            if largest < small or stalled == 10:
                break
            # Counted only close to the roots: far off, the corrections may
            # grow for a while before the iteration finds its way.
            stalled = 0 if largest < best or largest > 1e-3 else stalled + 1
            best = min(best, largest)
        return z


def reference_roots(texts):
    """Roots of the decimal coefficients at 100 digits; where a check at 200
    digits from other starting points disagrees they are multiple and are
    computed at 400 digits."""
    roots = aberth(texts, 100, 0.123)
    if largest_error(roots, aberth(texts, 200, 0.377)) > 1e-40:
        roots = aberth(texts, 400, 0.123)
    return roots


def largest_error(found, true):
    """Largest relative error, pairing the closest (found, true) first."""
    pairs = sorted((abs(mpmath.mpc(z) - r) / abs(r), i, j) for i, z in enumerate(found) for j, r in enumerate(true))
    used_found, used_true, worst = set(), set(), 0.0
    for error, i, j in pairs:
        if i in used_found or j in used_true:
            continue
        used_found.add(i)
        used_true.add(j)
        worst = max(worst, error)
    return float(worst)


def drovu_roots(solve, key, files):
    """{file: (roots, warned)} of the files drovu-solve solved under key,
    {file: None} of those it refused."""
    out = subprocess.run([solve, "--key", key, "--format", "json"] + files,
                         capture_output=True, text=True, check=False).stdout
    results = {}
    for line in out.splitlines():
        record = json.loads(line)
        if record["status"] == 0:
            results[record["file"]] = ([complex(*root) for root in record["roots"]], record["large_error"])
        elif record["status"] == REFUSED:
            results[record["file"]] = None
    return results


def summary(members, results, truth):
    """Largest error over the solved members, and the counts of failures
    and of warnings."""
    worst, failed, warned = 0.0, 0, 0
    for path in members:
        if path not in results:
            failed += 1
            continue
        roots, warning = results[path]
        warned += warning
        worst = max(worst, largest_error(roots, truth[path][1]))
    return worst, failed, warned


def main():
    solve = os.path.abspath(sys.argv[1])
    source = sys.argv[2] if len(sys.argv) > 2 else os.path.join(HERE, "polynomials.txt")
    polys = read_polynomials(source)
    work = tempfile.TemporaryDirectory(prefix="drovu-accuracy.")
    files, truth, numpy_found = [], {}, {}
    for ident, family, coefficients in polys:
        texts = [(field_text(r), field_text(i)) for r, i in coefficients]
        path = os.path.join(work.name, ident + ".txt")
        write_data_file(path, texts)
        files.append(path)
        truth[path] = (family, reference_roots(texts))
        numpy_found[path] = (list(np.roots([complex(float(r), float(i)) for r, i in texts])), False)

    columns = [(key, drovu_roots(solve, key, files)) for key in KEYS]
    # The Solve command refuses some equations whatever the key (a zero
    # constant term): they are outside every column, numpy's included.
    refused = [p for p in files if columns[0][1].get(p, ()) is None]
    files = [p for p in files if p not in refused]
    columns.append(("numpy", numpy_found))
    print("%-12s %4s" % ("family", "eqs") + "".join("%17s" % name for name, _ in columns))
    for family in dict.fromkeys(family for family, _ in truth.values()):
        members = [p for p in files if truth[p][0] == family]
        row = "%-12s %4d" % (family, len(members))
        for _, results in columns:
            worst, failed, warned = summary(members, results, truth)
            marks = ("%dF" % failed if failed else "") + ("%dW" % warned if warned else "")
            row += "%17s" % ("%.1e %s" % (worst, marks)).strip()
        print(row)
    print("refused by the Solve command under every key: %s" % (
        ", ".join(os.path.basename(p)[:-4] for p in refused) or "none"))
    for name, results in columns:
        failed = sum(p not in results for p in files)
        warned = sum(results[p][1] for p in files if p in results)
        print("%-16s %3d of %d solved, %d of them with the large-error warning" % (
            name, len(files) - failed, len(files), warned))


if __name__ == "__main__":
    main()
