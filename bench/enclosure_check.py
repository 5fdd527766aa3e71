#!/usr/bin/env python3
"""Checks the proven inclusion disks against reference roots of 60 digits.

    bench/enclosure_check.py NATIVE_BUILD [MAX_DEGREE]

Three sets of equations:
  files     every equation of bench/polynomials.txt, written as a data file
            (texts of at most 15 characters) and solved by drovu-solve
            --key simultaneous --format json;
  random    random complex equations of degree 1..MAX_DEGREE (default 1000);
  families  bench/families.py's classical families up to MAX_DEGREE, and
            multiple and clustered roots.
For random and families drovu-solve --input jsonl --key simultaneous solves
and proves them (as data files too where their texts fit); bench's
prove_loop, the proof alone, must give the same radii. The reference roots come from
MPSolve (-Ga -o60) on the exact rationals of the coefficient texts, each with
its own inclusion radius. A proof holds when every reference disk lies
inside one of our disks, meets no disk of another cluster, and every cluster
holds as many reference roots as its size. Prints the counts and the
tightness of the radii of simple roots; exits 1 on any failure.
"""
import fractions
import json
import os
import random
import re
import subprocess
import sys
import tempfile

import mpmath

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from polynomials import read_polynomials  # noqa: E402

mpmath.mp.dps = 70
HERE = os.path.dirname(os.path.abspath(__file__))


def field_text(x):
    """The shortest repr of x that fits a 15-character field."""
    for p in range(17, 0, -1):
        t = f"{x:.{p}g}"
        if len(t) <= 15 and (p == 17 or float(t) == x or len(f"{x:.{p + 1}g}") > 15):
            return t
    return f"{x:.1g}"


def reference_roots(texts, work):
    """MPSolve's roots and radii for coefficient texts, highest power first."""
    path = os.path.join(work, "ref.pol")
    with open(path, "w") as f:
        f.write(f"Dense;\nComplex;\nRational;\nDegree = {len(texts) - 1};\n")
        for re_, im_ in reversed(texts):
            parts = [fractions.Fraction(t) for t in (re_, im_)]
            f.write(" ".join(f"{q.numerator}/{q.denominator}" for q in parts) + "\n")
    out = subprocess.run(["mpsolve", "-Ga", "-o60", "-Of", path], capture_output=True, text=True,
                         timeout=3600).stdout
    roots = []
    for block in out.split("\n\n"):
        m = re.search(r"\(([^,]+), ([^)]+)\)\s+(\S+)", block)
        if not m:
            continue
        rho = m.group(3).replace("x", "e")
        roots.append((mpmath.mpc(mpmath.mpf(m.group(1)), mpmath.mpf(m.group(2))), mpmath.mpf(rho)))
    if len(roots) != len(texts) - 1:
        raise RuntimeError(f"MPSolve gave {len(roots)} roots for degree {len(texts) - 1}:\n{out[:2000]}")
    return roots


def is_exact_root(texts, z):
    """p(z) == 0 in exact rational arithmetic, z a pair of doubles."""
    x, y = fractions.Fraction(z[0]), fractions.Fraction(z[1])
    v_re = v_im = fractions.Fraction(0)
    for a, b in texts:
        v_re, v_im = v_re * x - v_im * y + fractions.Fraction(a), v_re * y + v_im * x + fractions.Fraction(b)
    return v_re == 0 and v_im == 0


def sharpened(texts, zeta, rho):
    """The reference root to 300 digits where our disk is tighter than its own:
    Newton steps, then the disk of radius n |p / p'|, which holds a root."""
    with mpmath.workdps(300):
        coefficients = [mpmath.mpc(mpmath.mpf(a), mpmath.mpf(b)) for a, b in texts]
        x = mpmath.mpc(zeta)
        for _ in range(8):
            v, d = mpmath.polyval(coefficients, x, derivative=True)
            if d == 0:
                return zeta, rho
            x -= v / d
        v, d = mpmath.polyval(coefficients, x, derivative=True)
        radius = (len(texts) - 1) * abs(v / d) if d != 0 else rho
        # The same root: the new disk lies inside the old one.
        if abs(x - zeta) + radius <= rho:
            return x, radius
    return zeta, rho


def holds(roots, radii, clusters, reference, texts):
    """True when every reference disk is inside one of ours and the counts match.
    A reference disk wider than our disk is replaced by our centre where that
    centre is exactly a root inside it."""
    disks = [(mpmath.mpc(*z), mpmath.mpf(r), c) for z, r, (c, _) in zip(roots, radii, clusters)]
    count = {}
    for zeta, rho in reference:
        inside = [c for z, r, c in disks if abs(zeta - z) + rho <= r]
        if not inside:
            sharp, sharp_rho = sharpened(texts, zeta, rho)
            inside = [c for z, r, c in disks if abs(sharp - z) + sharp_rho <= r]
            if inside:
                zeta, rho = sharp, sharp_rho
        if not inside:
            i = min(range(len(disks)), key=lambda k: abs(zeta - disks[k][0]))
            if abs(zeta - disks[i][0]) <= rho and is_exact_root(texts, roots[i]):
                zeta, rho, inside = disks[i][0], 0, [disks[i][2]]
        meets = {c for z, r, c in disks if abs(zeta - z) <= r + rho}
        if not inside or meets != {inside[0]}:
            return False
        count[inside[0]] = count.get(inside[0], 0) + 1
    return all(count.get(c, 0) == size for c, size in clusters)


class Tally:
    def __init__(self):
        self.equations = self.roots = self.unproven = self.failed = 0
        self.relative = []  # r / |z| of simple roots of random equations
        self.cluster_sizes = {}

    def add(self, name, texts, roots, radii, clusters, reference, random_set):
        self.equations += 1
        self.roots += len(roots)
        if any(r is None for r in radii):
            self.unproven += 1
            print(f"  unproven: {name}")
            return
        if not holds(roots, radii, clusters, reference, texts):
            self.failed += 1
            print(f"  FAILED: {name}")
        for (z_re, z_im), r, (c, size) in zip(roots, radii, clusters):
            self.cluster_sizes[size] = self.cluster_sizes.get(size, 0) + 1
            if random_set and size == 1 and (z_re or z_im):
                self.relative.append(r / abs(complex(z_re, z_im)))


def solve_files(solve, equations, work):
    """drovu-solve --key simultaneous on data files: {name: JSON object}."""
    paths = []
    for name, texts in equations:
        path = os.path.join(work, f"{name}.txt")
        with open(path, "w", newline="") as f:
            f.write("Re Im\r\n" + "".join(f"{a} {b}\r\n" for a, b in reversed(texts)))
        paths.append(path)
    out = subprocess.run([solve, "--key", "simultaneous", "--format", "json", *paths], capture_output=True,
                         text=True).stdout
    found = {}
    for line in out.splitlines():
        o = json.loads(line)
        if o["status"] == 0:
            found[os.path.basename(o["file"])[:-4]] = o
    return found


def solve_lines(solve, equations):
    """drovu-solve --input jsonl --key simultaneous: {name: JSON object}."""
    lines = "".join('{"id":"%s","coefficients":[%s]}\n' % (name, ",".join(f"[{a},{b}]" for a, b in texts))
                    for name, texts in equations)
    out = subprocess.run([solve, "--input", "jsonl", "--highest-first", "--key", "simultaneous", "--format", "json",
                          "-"], input=lines, capture_output=True, text=True).stdout
    return {o["id"]: o for o in map(json.loads, out.splitlines()) if o["status"] == 0}


def prove(prove_loop, texts, roots):
    """prove_loop on computed roots: (radii, clusters)."""
    lines = [str(len(roots))] + [f"{a} {b}" for a, b in texts] + [f"{a!r} {b!r}" for a, b in roots]
    out = subprocess.run([prove_loop], input="\n".join(lines) + "\n", capture_output=True, text=True).stdout
    rows = [line.split() for line in out.splitlines()[1:]]
    radii = [float(r) if r != "inf" else None for r, _, _ in rows]
    return radii, [[int(c), int(s)] for _, c, s in rows]


def check_set(label, equations, tally, build, work, random_set):
    """Each equation solved by the fifth method where it can be, else by MPSolve, then proven."""
    solve = os.path.join(build, "batch", "drovu-solve")
    prove_loop = os.path.join(build, "bench", "prove_loop")
    fits = [e for e in equations if len(e[1]) <= 30 and all(len(t) <= 15 for pair in e[1] for t in pair)]
    as_files = solve_files(solve, fits, work)
    as_lines = solve_lines(solve, equations)
    for name, texts in equations:
        reference = reference_roots(texts, work)
        o = as_files.get(name, as_lines.get(name))
        if o is not None:
            roots = [tuple(z) for z in o["roots"]]
            radii, clusters = o["radii"], o["clusters"]
            # Data files: the batch tool and the proof alone agree (lines
            # have their roots 0 factored out first).
            if name in as_files and (radii, clusters) != prove(prove_loop, texts, roots):
                tally.failed += 1
                print(f"  FAILED: {name}: drovu-solve and prove_loop differ")
        else:
            print(f"  not solved by the fifth method: {name}; MPSolve's roots as doubles")
            roots = [(float(z.real), float(z.imag)) for z, _ in reference]
            radii, clusters = prove(prove_loop, texts, roots)
        tally.add(name, texts, roots, radii, clusters, reference, random_set)
    print(f"{label}: {tally.equations} equations, {tally.roots} roots, {tally.unproven} unproven, "
          f"{tally.failed} failed")


def random_equations(max_degree, rng):
    degrees = list(range(1, 31)) + list(range(40, 201, 20)) + list(range(250, max_degree + 1, 50))
    for n in (d for d in degrees if d <= max_degree):
        yield f"random-d{n}", [(field_text(rng.gauss(0, 1)), field_text(rng.gauss(0, 1))) for _ in range(n + 1)]


def product(roots):
    """Integer coefficients of prod (x - r), highest power first."""
    c = [1]
    for r in roots:
        c = [a - r * b for a, b in zip(c + [0], [0] + c)]
    return c


def family_equations(max_degree):
    """bench/families.py's families, and multiple and clustered roots."""
    def ints(coefficients):
        return [(str(c), "0") for c in coefficients]

    names = subprocess.run([sys.executable, os.path.join(HERE, "families.py"), "--list"], capture_output=True,
                           text=True).stdout.split()
    for name in (n for n in names if n != "random"):
        for n in (d for d in (10, 29, 100, 200, 400) if d <= max_degree):
            line = subprocess.run([sys.executable, os.path.join(HERE, "families.py"), name, str(n)],
                                  capture_output=True, text=True).stdout
            coefficients = json.loads(line, parse_int=str, parse_float=str)["coefficients"]
            yield f"{name}-{n}", [tuple(c) if isinstance(c, list) else (c, "0") for c in reversed(coefficients)]
    yield "multiple-(x-1)^5(x+2)^3", ints(product([1] * 5 + [-2] * 3))
    yield "multiple-(x^2+1)^4", ints([1, 0, 4, 0, 6, 0, 4, 0, 1])
    yield "multiple-(x-3)^3", ints(product([3] * 3))
    yield "cluster-x^10-1e-20", [("1", "0")] + [("0", "0")] * 9 + [("-1e-20", "0")]


def main():
    build = os.path.abspath(sys.argv[1])
    max_degree = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    rng = random.Random(20261207)
    with tempfile.TemporaryDirectory(prefix="enclosure.") as work:
        files = Tally()
        bench = [(pid, [(field_text(a), field_text(b)) for a, b in coefficients])
                 for pid, _, coefficients in read_polynomials(os.path.join(HERE, "polynomials.txt"))]
        check_set("files", bench, files, build, work, False)
        randoms = Tally()
        check_set("random", list(random_equations(max_degree, rng)), randoms, build, work, True)
        families = Tally()
        check_set("families", list(family_equations(max_degree)), families, build, work, False)
    total = [files, randoms, families]
    rel = sorted(randoms.relative)
    if rel:
        print(f"random, simple roots: median r/|z| {rel[len(rel) // 2]:.2e}, "
              f"99 % {rel[min(len(rel) - 1, int(0.99 * len(rel)))]:.2e}, largest {rel[-1]:.2e} ({len(rel)} roots)")
    print(f"all: {sum(t.equations for t in total)} equations, {sum(t.roots for t in total)} roots checked, "
          f"{sum(t.unproven for t in total)} unproven, {sum(t.failed for t in total)} failed")
    sys.exit(1 if any(t.failed for t in total) else 0)


if __name__ == "__main__":
    main()
