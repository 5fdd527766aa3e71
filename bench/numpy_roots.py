#!/usr/bin/env python3
"""The yardstick: numpy.roots on the benchmark's polynomials, timed the same way."""
import time

import numpy as np

MASK = (1 << 64) - 1


def polynomial(degree, index):
    state = (1000003 * degree + index) & MASK
    coefficients = []
    for _ in range(degree + 1):
        pair = []
        for _ in range(2):
            state = (state * 6364136223846793005 + 1442695040888963407) & MASK
            pair.append((state >> 11) / 9007199254740992.0 * 2.0 - 1.0)
        coefficients.append(complex(*pair))
    return np.array(coefficients)


def main():
    for degree in (5, 15, 29):
        polys = [polynomial(degree, i) for i in range(16)]
        rounds, start = 0, time.perf_counter()
        while True:
            for p in polys:
                np.roots(p)
            rounds += 1
            elapsed = time.perf_counter() - start
            if elapsed > 0.3:
                break
        print(f"numpy.roots degree {degree:2d}: {elapsed / (rounds * 16) * 1e6:9.2f} us")


if __name__ == "__main__":
    main()
