#!/usr/bin/env python3
"""What the proven radii cost beside the fifth method that finds the roots:
at degree 29 the benchmark's equations (simultaneous iteration's time from
solve_loop's timings, the proof's from prove_loop), at degree 1,600 a random
equation (drovu-solve's whole run on one JSON line, the proof's share from
prove_loop).

    bench/proof_cost.py NATIVE_BUILD SOLVE_LOOP_TIMINGS
"""
import json
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from polynomials import read_polynomials  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))


def proofs(build, equations, rounds):
    """Microseconds of each proof (the fastest of rounds), for (texts, roots) pairs."""
    lines = []
    for texts, roots in equations:
        lines += [str(len(roots))] + [f"{a} {b}" for a, b in texts] + [f"{a!r} {b!r}" for a, b in roots]
    out = subprocess.run([os.path.join(build, "bench", "prove_loop"), str(rounds)], input="\n".join(lines) + "\n",
                         capture_output=True, text=True, check=True).stdout
    return [float(line.split()[2]) for line in out.splitlines() if line.startswith("proven")]


def solved(build, texts_list):
    """drovu-solve --key simultaneous on JSON Lines (highest power first): roots, and seconds."""
    lines = "".join('{"coefficients":[%s]}\n' % ",".join(f"[{a},{b}]" for a, b in texts) for texts in texts_list)
    start = time.perf_counter()
    out = subprocess.run([os.path.join(build, "batch", "drovu-solve"), "--input", "jsonl", "--highest-first", "--key",
                          "simultaneous", "--format", "json", "-"], input=lines, capture_output=True, text=True).stdout
    seconds = time.perf_counter() - start
    objects = [json.loads(line) for line in out.splitlines()]
    return [[tuple(z) for z in o["roots"]] if o["status"] == 0 else None for o in objects], seconds


def main():
    build, timings = os.path.abspath(sys.argv[1]), sys.argv[2]
    # solve_loop: ID FAMILY DEGREE KEY MICROSECONDS RESULT; key 4 is simultaneous iteration.
    solve_us = {w[0]: float(w[4]) for w in map(str.split, open(timings)) if w[2] == "29" and w[3] == "4"}
    bench = [(pid, [(repr(a), repr(b)) for a, b in c]) for pid, _, c in
             read_polynomials(os.path.join(HERE, "polynomials.txt")) if pid in solve_us]
    roots, _ = solved(build, [t for _, t in bench])
    bench, roots = zip(*[(b, r) for b, r in zip(bench, roots) if r is not None])
    proof_us = proofs(build, [(t, r) for (_, t), r in zip(bench, roots)], 20)
    solve_total, proof_total = sum(solve_us[pid] for pid, _ in bench), sum(proof_us)
    print(f"proof at degree 29: {proof_total / len(bench):.0f} us beside {solve_total / len(bench):.0f} us of "
          f"simultaneous iteration ({len(bench)} equations): +{100 * proof_total / solve_total:.0f} %")
    line = subprocess.run([sys.executable, os.path.join(HERE, "families.py"), "random", "1600", "7"],
                          capture_output=True, text=True, check=True).stdout
    texts = [tuple(c) if isinstance(c, list) else (c, "0")
             for c in reversed(json.loads(line, parse_int=str, parse_float=str)["coefficients"])]
    runs = [solved(build, [texts]) for _ in range(3)]
    whole = min(seconds for _, seconds in runs)
    proof = min(proofs(build, [(texts, runs[0][0][0])], 3)) / 1e6
    print(f"proof at degree 1600: {proof:.3f} s of drovu-solve's {whole:.3f} s: +{100 * proof / (whole - proof):.0f} %"
          " beside the rest")


if __name__ == "__main__":
    main()
