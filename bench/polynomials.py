"""The benchmark's equations as the scripts of bench/ read them."""


def read_polynomials(path):
    """[(id, family, [(re, im) of each coefficient, highest power first])]"""
    polys, current = [], None
    with open(path) as f:
        for line in f:
            words = line.split()
            if not words or words[0].startswith("#"):
                continue
            if len(words) == 3 and not words[0][0] in "+-.0123456789":
                current = (words[0], words[1], [])
                polys.append(current)
            else:
                current[2].append((float(words[0]), float(words[1])))
    return polys
