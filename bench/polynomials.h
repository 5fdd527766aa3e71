// The benchmark's equations, read from bench/polynomials.txt: a line
// "ID FAMILY DEGREE", then DEGREE + 1 lines "RE IM", the coefficient of the
// highest power first; lines starting with # are comments.
#pragma once

#include <cstdio>

#include "entry/number_test.h"

struct BenchPolynomial {
    char id[32];
    char family[16];
    int degree;
    double re[30], im[30];  // solver order: entry 0 multiplies the highest power
};

constexpr int kMaxBenchPolynomials = 200;

// Reads up to `capacity` equations; returns how many, or -1 when the file
// breaks the format. Numbers go through the program's own conversion, so
// both builds read the same bits.
inline int read_bench_polynomials(std::FILE* file, BenchPolynomial* out, int capacity)
{
    char line[256];
    int count = 0;
    while (count < capacity && std::fgets(line, sizeof line, file)) {
        if (line[0] == '#' || line[0] == '\n' || line[0] == '\r') continue;
        BenchPolynomial& p = out[count++];
        if (std::sscanf(line, "%31s %15s %d", p.id, p.family, &p.degree) != 3 || p.degree < 1 || p.degree > 29)
            return -1;
        for (int k = 0; k <= p.degree; ++k) {
            char* end;
            if (!std::fgets(line, sizeof line, file)) return -1;
            p.re[k] = decimal_to_double(line, &end);
            p.im[k] = decimal_to_double(end, &end);
            if (end == line) return -1;
        }
    }
    return count;
}
