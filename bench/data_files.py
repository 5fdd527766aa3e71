#!/usr/bin/env python3
"""Writes COUNT coefficient data files of degree 3..29 for timing drovu-solve:
random complex coefficients of eight digits, constant term first.

    bench/data_files.py COUNT FOLDER
"""
import os
import random
import sys


def main():
    count, folder = int(sys.argv[1]), sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(20261207)
    for i in range(count):
        degree = rng.randint(3, 29)
        rows = [f"{rng.uniform(-1, 1):.8g} {rng.uniform(-1, 1):.8g}" for _ in range(degree + 1)]
        with open(os.path.join(folder, f"eq{i:04d}.txt"), "w", newline="") as f:
            f.write(f"Degree {degree}\r\nRe Im\r\n" + "".join(row + "\r\n" for row in rows))


if __name__ == "__main__":
    main()
