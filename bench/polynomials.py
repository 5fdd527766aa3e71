"""The benchmark's equations as the scripts of bench/ read them."""


def read_polynomials(path):
    """[(id, family, [(re, im) of each coefficient, highest power first])]

    The rules of bench/polynomials.h, which the benchmark loop and the numeric
    check read with: a line "ID FAMILY DEGREE", then exactly DEGREE + 1 lines
    "RE IM"; lines starting with # and empty lines only between equations."""
    polys = []
    with open(path) as f:
        lines = iter(f)
        for line in lines:
            if line[0] in "#\r\n":
                continue
            ident, family, degree = line.split()
            coefficients = []
            for _ in range(int(degree) + 1):
                re, im = next(lines).split()[:2]
                coefficients.append((float(re), float(im)))
            polys.append((ident, family, coefficients))
    return polys
