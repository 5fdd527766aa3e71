#!/usr/bin/env python3
# drovu-solve --input jsonl from the outside: one answer per line in input
# order, failures with their codes, exit statuses, zero roots, any degree,
# both array orders, standard input, and GNU parallel giving the bytes of a
# single process. Prints one line per check; exits 1 when any failed.
#   jsonl_test.py DROVU_SOLVE
import json, os, random, shutil, subprocess, sys, tempfile
from fractions import Fraction

import mpmath

mpmath.mp.dps = 30

SOLVE = os.path.realpath(sys.argv[1])
WORK = (SCRATCH := tempfile.TemporaryDirectory(prefix='drovu-jsonl-test.')).name
failed = 0


def check(name, ok):
    global failed
    failed += not ok
    print(('ok   ' if ok else 'FAIL ') + name)


def run(lines, *args, stdin=True):
    text = ''.join(l + '\n' for l in lines).encode()
    path = os.path.join(WORK, 'in.jsonl')
    with open(path, 'wb') as f:
        f.write(text)
    cmd = [SOLVE, '--input', 'jsonl', '--format', 'json', *args] + ([] if stdin else [path])
    p = subprocess.run(cmd, input=text if stdin else None, capture_output=True)
    return p.returncode, [json.loads(l) for l in p.stdout.decode().splitlines()], p.stderr.decode()


def farthest(found, expected):
    """The largest relative distance from an expected root to the nearest found one, each found root used once."""
    found, worst = list(found), 0
    for r in expected:
        i = min(range(len(found)), key=lambda i: abs(found[i] - r))
        worst = max(worst, abs(found.pop(i) - r) / (abs(r) or 1))
    return worst


def roots(answer):
    return [complex(*r) for r in answer['roots']]


# A stream with every kind of line; the first failure (line 3) names the status.
STREAM = [
    '{"coefficients":[-6,11,-6,1],"id":"cubic"}',
    '   ',
    '{"coefficients":[1,2],}',
    '{"id":[1,{"a":null}],"coefficients":[[1,-2],[0.5,0]]}',
    '{"coefficients":[1,NaN]}',
    '{"coefficients":[1,1e99999]}',
    '{"coefficients":[0,[0,0]]}',
    '{"coefficients":[7,0,0]}',
    '{"coefficient":[1,2]}',
    '{"coefficients":[0,0,-1,0,1,0,0],"id":"x^2 (x^2 - 1)"}',
    '{"coefficients":[1e300,1e300],"id":"huge"}',
    '{"coefficients":[-1e-320,1e-320],"id":"tiny"}',
]
status, out, err = run(STREAM)
check('one answer per line that is not blank, in order', [a.get('id', a.get('line')) for a in out] ==
      ['cubic', 3, [1, {'a': None}], 5, 6, 7, 8, 9, 'x^2 (x^2 - 1)', 'huge', 'tiny'])
check('failure codes and statuses', [(a['status'], a.get('error')) for a in out] == [
    (0, None), (2, 'bad_json'), (0, None), (3, 'not_a_number'), (3, 'out_of_range'), (3, 'zero_polynomial'),
    (3, 'degree_zero'), (2, 'no_coefficients'), (0, None), (0, None), (0, None)])
check('exit status of the first failure', status == 2)
check('standard error names each failed line', all(f'-:{n}: Error: ' in err for n in (3, 5, 6, 7, 8, 9)))
check('the fifth key by default, to the last bit of an exact root',
      out[0]['key'] == 'simultaneous' and sorted(r.real for r in roots(out[0])) == [1, 2, 3])
check('[re, im] pairs', roots(out[2]) == [complex(-2, 4)])
check('zero coefficients of low powers give exact zero roots, of high powers are dropped',
      out[8]['degree'] == 4 and roots(out[8])[:2] == [0, 0] and farthest(roots(out[8]), [0, 0, 1, -1]) == 0)
check('any finite magnitude', roots(out[9]) == [-1] and roots(out[10]) == [1])
check('a file reads as standard input does', run(STREAM, stdin=False)[1] == out)

# Degree far above the window's 29: the 1000th roots of unity.
n = 1000
status, out, _ = run(['{"coefficients":[-1%s,1]}' % (',0' * (n - 1))])
check(f'degree {n}: every root to the last bit', status == 0 and out[0]['degree'] == n and
      farthest(roots(out[0]), [complex(mpmath.expjpi(mpmath.mpf(2 * k) / n)) for k in range(n)]) <= 1e-16)

# Coefficients beyond the doubles, roots far inside them: x^40 = -1e-4000.
status, out, _ = run(['{"coefficients":[1e-2000%s,1e2000]}' % (',0' * 39)])
check('coefficients of any extended magnitude', status == 0 and farthest(
    roots(out[0]), [complex(mpmath.mpf(10) ** -100 * mpmath.expjpi(mpmath.mpf(2 * k + 1) / 40)) for k in range(40)])
    <= 1e-16)

# 2^50 P_50, Legendre's, from its integer coefficients: so ill-conditioned
# that the corrections grow for a while on the way, which once settled roots
# 1e-1 off.
def legendre(n):
    """The coefficients of 2^n P_n, constant first, and its roots by Newton's steps in 40 digits."""
    ps = [[Fraction(1)], [Fraction(0), Fraction(1)]]
    for k in range(1, n):
        nxt = [Fraction(0)] + [(2 * k + 1) * c for c in ps[-1]]
        for i, c in enumerate(ps[-2]):
            nxt[i] -= k * c
        ps.append([c / (k + 1) for c in nxt])
    roots = []
    for k in range(1, n + 1):
        x = mpmath.cos(mpmath.pi * (4 * k - 1) / (4 * n + 2))
        for _ in range(10):
            p0, p1 = mpmath.mpf(1), x
            for j in range(1, n):
                p0, p1 = p1, ((2 * j + 1) * x * p1 - j * p0) / (j + 1)
            x -= p1 / (n * (x * p1 - p0) / (x * x - 1))
        roots.append(complex(x))
    return [int(c * 2**n) for c in ps[n]], roots


coefficients, expected = legendre(50)
status, out, _ = run([json.dumps({'coefficients': coefficients})])
check('Legendre P_50 from its exact coefficients: every root to 1e-3', farthest(roots(out[0]), expected) <= 1e-3)

# numpy.roots' order, and the window's keys on values with their checks.
_, low, _ = run(['{"coefficients":[[2,1],-3,[0,1],1]}'])
_, high, _ = run(['{"coefficients":[1,[0,1],-3,[2,1]]}'], '--highest-first')
check('--highest-first reads the array the other way round', low == high)
status, out, _ = run(['{"coefficients":[-6,11,-6,1]}', '{"coefficients":[0,1,1]}', '{"coefficients":[%s1]}' % ('1,' * 30)],
                     '--key', 'param')
check("a window key: the Solve command's checks, and degree 29 at most",
      status == 3 and out[0]['key'] == 'param' and [a.get('error') for a in out] ==
      [None, 'constant_term_zero', 'degree_too_high'])
check('a report needs data files', run(STREAM, '--format', 'report')[0] == 1)

# GNU parallel spreads a stream over processes and keeps its order.
rng = random.Random(19)
lines = []
for i in range(10000):
    degree = rng.randint(1, 29)
    coefficients = [[rng.gauss(0, 1), rng.gauss(0, 1)] for _ in range(degree + 1)]
    lines.append(json.dumps({'id': i, 'coefficients': coefficients}))
path = os.path.join(WORK, 'stream.jsonl')
with open(path, 'w') as f:
    f.write('\n'.join(lines) + '\n')
single = subprocess.run([SOLVE, '--input', 'jsonl', '--format', 'json', path], capture_output=True).stdout
if shutil.which('parallel'):
    with open(path, 'rb') as f:
        spread = subprocess.run(['parallel', '--pipe', '-k', '-j', '4', '--block', '200k', SOLVE, '--input', 'jsonl',
                                 '--format', 'json'], stdin=f, capture_output=True).stdout
    check('parallel --pipe -k over 10,000 lines gives the bytes of one process',
          single == spread and single.count(b'\n') == 10000)
else:
    check('GNU parallel is installed', False)

sys.exit(1 if failed else 0)
