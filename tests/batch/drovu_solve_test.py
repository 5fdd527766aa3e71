#!/usr/bin/env python3
# drovu-solve from the outside: exit statuses and messages, the keys, auto,
# rounding, both languages, the output file that is replaced whole or not at
# all, and CSV and JSON that parse and give back the doubles behind the
# report's texts. Prints one line per check; exits 1 when any failed.
#   drovu_solve_test.py DROVU_SOLVE EXAMPLES_DIR
import csv, glob, io, json, os, re, shutil, subprocess, sys, tempfile

import mpmath

SOLVE, EXAMPLES = (os.path.realpath(a) for a in sys.argv[1:3])
HERE = os.path.dirname(os.path.realpath(__file__))
EX = sorted(glob.glob(f'{EXAMPLES}/*.txt'))
NAMES = ('needs_param_change', 'cubic_tab', 'quadratic_complex', 'cubic_integer_roots')
PARAM, CUBIC, QUADRATIC, INTEGER = (f'{EXAMPLES}/{n}.txt' for n in NAMES)
D = {os.path.basename(f)[:-4]: f for f in glob.glob(f'{HERE}/data/*.txt')}
# The scratch folder goes when the test ends.
WORK = (SCRATCH := tempfile.TemporaryDirectory(prefix='drovu-solve-test.')).name
failed = 0


def run(*args, stdin_file=None):
    with open(stdin_file or os.devnull, 'rb') as stdin:
        p = subprocess.run([SOLVE, *args], capture_output=True, cwd=WORK, stdin=stdin)
    return p.returncode, p.stdout, p.stderr


def check(name, ok):
    global failed
    failed += not ok
    print(('ok   ' if ok else 'FAIL ') + name)


# The reader's notes on standard error: "FILE:LINE: text".
NOTE_LINE = re.compile(rb'^[^\n]*:\d+: [^\n]*\n', re.M)


# Each wanted text (UTF-8 here, Shift-JIS in the output) is in found; "!text"
# is not; (text, n): n times. None: found is empty but for the reader's notes.
def holds(found, wanted):
    if wanted is None:
        return not NOTE_LINE.sub(b'', found)
    for w in wanted:
        text, n = w if isinstance(w, tuple) else (w[1:], 0) if w[0] == '!' else (w, None)
        got = found.count(text.encode('cp932'))
        if got == 0 if n is None else got != n:
            return False
    return True


NO_CONVERGENCE = 'Error: Unable to get a solution because of no convergence!'
TITLE = '    DROVU [Solution by {} method]\r\n'
NOTE = 'Note: SOLUTION may not be proper, because of large ERROR(s).'
# name, arguments, exit status, what standard output and standard error hold
CASES = [
    ('every example solves with auto, by simultaneous iteration', ['--key', 'auto', *EX], 0,
     [('==> ', len(EX)), (TITLE.format('simultaneous iteration'), len(EX))], None),
    ('Standard fails one example (4), the others are written', EX, 4,
     [('==> ', len(EX) - 1), f'!==> {PARAM}'], [(f'needs_param_change.txt: {NO_CONVERGENCE}', 1)]),
    ('auto starts with simultaneous iteration', ['--key', 'auto', INTEGER], 0,
     [TITLE.format('simultaneous iteration')], None),
    *((f'wrong usage {a}', a.split(), 1, None, ['drovu-solve --help']) for a in
      ['', '--bogus x', '--key x', '--key fast x', '--round E-9 x', '--round 6 x', '--lang fr x', '-o',
       '--key= x', '--format xml x']),
    ('missing file', ['missing.txt'], 2, None, ['missing.txt: Error: The file does not exist.']),
    ('LF line ends: no data line', [D['lf_only']], 2, None, ['Not existing the imaginary part?']),
    ('refused coefficients', [D['refused_range']], 3, None, ['Error: 1.0E-100 <= |input value| <= 1.0E100, if not']),
    ('a refusal tries no other key', ['--key', 'auto', D['zero_constant']], 3, None, ['Warning:', '!key']),
    ('auto solves where the window\'s keys find no convergence', ['--key', 'auto', D['fourth_roots']], 0,
     [TITLE.format('simultaneous iteration')], None),
    ('a failure does not stop the others; the first names the status',
     ['missing.txt', D['refused_range'], CUBIC, D['fourth_roots'], QUADRATIC], 2,
     [('==> ', 2), f'{CUBIC} <==', f'{QUADRATIC} <=='], ['refused_range.txt: Error', 'fourth_roots.txt: Error']),
    *((f'--key {k} names its method', ['--key', k, INTEGER], 0, [TITLE.format(t)], None) for k, t in
      [('standard', 'standard'), ('param', 'parameter change (X -> 1/Y)'), ('deflation', 'deflation'),
       ('param-deflation', 'parameter change + deflation'), ('simultaneous', 'simultaneous iteration')]),
    ('auto: accurate where only the last window key is', ['--key=auto', D['accurate_only_by_last_key']], 0,
     [TITLE.format('simultaneous iteration'), '!Note:'], None),
    ('auto keeps simultaneous iteration\'s solution, warning and all', [D['huge_root'], '--key', 'auto'], 0,
     [TITLE.format('simultaneous iteration'), NOTE], ['key simultaneous: Information', '!solved with key']),
    ('--round E-4 rounds and zeroes', ['--round', 'E-4', CUBIC], 0, ['X(1)   3.0000000e+00     0\r'], None),
    ('--help', ['--help'], 0, ['Usage: drovu-solve', 'Exit status', '--format'], None),
    ('--lang ja: refusal', ['--lang', 'ja', D['refused_range']], 3, None, ['エラー: 1.0E-100 <= |入力数値|']),
    ('--lang ja: missing file', ['--lang', 'ja', 'missing.txt'], 2, None, ['missing.txt: エラー: ファイルが存在しません.']),
    ('--lang ja: auto', ['--lang', 'ja', '--key', 'auto', D['huge_root']], 0, [],
     ['解法 simultaneous: お知らせ: 解の誤差が大きいので']),
    ('--lang ja: the closing note', ['--lang', 'ja', D['wilkinson16']], 0,
     ['注: 解の誤差が大きいので、正しくない解と思われます.', TITLE.format('standard')], ['お知らせ: 解の誤差が大きいので']),
    ('long numbers keep their values', [D['long_fields']], 0,
     ['X^0   -1.23456789e-05    1.000000000e+01', 'X^1    1.2345678901234   1.234567890e+99'], None),
    ('a long tiny number is refused, not solved as 0', [D['tiny_constant']], 3, None, ['1.0E-100 <= |input value|']),
    ('JSON keeps failures', ['--format', 'json', 'missing.txt', D['refused_range'], D['fourth_roots']], 2,
     ['"status":2,"error":"file_missing","caption":"Error","message":"The file does not exist."}\n', '"status":3,"error":"out_of_range"', '"status":4,"error":"no_convergence"'], []),
]
for name, args, status, out, err in CASES:
    code, stdout, stderr = run(*args)
    check(name, code == status and holds(stdout, out) and holds(stderr, err))

golden = open(f'{HERE}/golden/quadratic_complex.txt', 'rb').read()
check('one file: the very bytes of Save Data, no header', run('-q', QUADRATIC) == (0, golden, b''))

# -o FILE gets what standard output gets; a run without a report leaves it.
_, both, _ = run(CUBIC, QUADRATIC)
open(f'{WORK}/keep.txt', 'w').write('old')
checks = [
    run('-q', '-o', 'both.txt', CUBIC, QUADRATIC) == (0, b'', b'') and open(f'{WORK}/both.txt', 'rb').read() == both,
    run('-o', 'keep.txt', D['fourth_roots'])[0] == 4 and open(f'{WORK}/keep.txt').read() == 'old',
    run('--output', 'new.txt', 'missing.txt')[0] == 2 and not os.path.exists(f'{WORK}/new.txt'),
    run('-o', 'part.txt', D['fourth_roots'], CUBIC)[0] == 4 and b'fourth' not in open(f'{WORK}/part.txt', 'rb').read(),
    run('--format', 'json', '-o', 'failed.json', 'missing.txt')[0] == 2 and os.path.exists(f'{WORK}/failed.json'),
    run('-o', 'no/such/dir/out.txt', CUBIC)[0] == 5, not any('~' in n for n in os.listdir(WORK))]
check('-o FILE: replaced whole, only when something was written', all(checks))


# The report's text of a printed number: what the window shows.
def shown(token):
    return 'Overflow' if token is None else '0' if float(token) == 0 else f'{float(token):.7e}'


# The number was printed with the fewest digits from those the rounding keeps
# (17 without) that read back as its double.
def printed(token, digits):
    v = float(token)
    return token == next(t for p in range(digits, 18) if float(t := f'{v:.{p}g}') == v or p == 17)


# CSV and JSON parse, and what they say is, to the last bit, what the report shows.
odd = {'a,"b" é.txt': 'a,"b" é.txt', b'bad\xff.txt': 'bad\ufffd.txt'}
for name in odd:
    shutil.copy(CUBIC, os.path.join(os.fsencode(WORK), os.fsencode(name)))
files = [*EX, D['huge_root'], D['long_fields'], *(os.fsdecode(n) for n in odd)]
for args, digits in [(['--key', 'auto'], 17), (['--round', 'E-6'], 5), (['--key', 'deflation', '--round', 'E-8'], 7)]:
    _, report, _ = run(*args, *files)
    rows = list(csv.DictReader(io.StringIO(run(*args, '--format', 'csv', *files)[1].decode(), newline='')))
    lines = run(*args, '--format', 'json', *files)[1].splitlines()
    objects = [json.loads(line, parse_int=str, parse_float=str) for line in lines]
    ok = [o['file'] for o in objects] == [*files[:-2], *odd.values()]
    for o, part in zip([o for o in objects if o['status'] == '0'], re.split(rb'==> .* <==\r\n', report)[1:]):
        text = part.decode('cp932')
        numbers = o['roots'] + o['errors']
        texts = re.findall(r'X\(\d+\) +(\S+) +(\S+)', text)
        # Rounded, they are the report's values; else the finder's, which
        # the report's clean-up moves by at most 1e-6 of their size.
        ok &= [tuple(map(shown, pair)) for pair in numbers] == texts if digits < 17 else all(
            t == s or abs(float(v) - float(t)) <= 1e-6 * abs(float(v)) for pair, ts in zip(numbers, texts)
            for v, t, s in zip(pair, ts, map(shown, pair)))
        ok &= all(printed(t, digits) for pair in numbers for t in pair if t is not None)
        ok &= (o['large_error'] == ('Note:' in text)) and int(o['degree']) == len(o['roots'])
        mine = [[r[c] or None for c in ('re', 'im', 'error_re', 'error_im')] + [r['root'], r['key'], r['large_error']]
                for r in rows if r['file'] == o['file']]
        ok &= mine == [[*root, *error, str(k + 1), o['key'], str(int(o['large_error']))] for k, (root, error) in
                       enumerate(zip(o['roots'], o['errors']))]
    check(f'CSV and JSON, {" ".join(args)}: the doubles of the report', ok and len(rows) == sum(
        int(o.get('degree', 0)) for o in objects))

# Files read as written: a byte-order mark, CR-only lines, a pipe; every
# line passed over told on standard error, with its line, and in JSON.
CUBIC_LINES = ['Re Im', '-6 0', '11 0', '-6 0', 'one', 'two three', '1 0', '1,']
for name, data in [('bom.txt', '\ufeff' + '\r\n'.join(CUBIC_LINES[1:4] + CUBIC_LINES[6:7]) + '\r\n'),
                   ('cr.txt', '\r'.join(CUBIC_LINES) + '\r'), ('lf.txt', '\n'.join(CUBIC_LINES) + '\n')]:
    open(f'{WORK}/{name}', 'w', newline='', encoding='utf-8').write(data)
os.mkdir(f'{WORK}/folder')
piped = subprocess.run(f'cat cr.txt | {SOLVE} --format json - 2>&1', shell=True, capture_output=True, cwd=WORK)
notes = [{'line': 1, 'code': 'not_numbers'}, {'line': 5, 'code': 'joined_lines'},
         {'line': 8, 'code': 'no_imaginary_part'}]
solved = {'status': 0, 'degree': 3, 'notes': notes}
check('a BOM, CR-only lines and a pipe give the cubic written there, with notes',
      json.loads(run('--format', 'json', 'bom.txt')[1])['degree'] == 3 and
      {k: v for k, v in json.loads(piped.stdout.splitlines()[-1]).items() if k in solved} == solved and
      piped.stdout.startswith(b'-:1: not two numbers: line passed over\n-:5: a single field') and
      run('cr.txt')[2] == run('-', stdin_file=f'{WORK}/cr.txt')[2].replace(b'-:', b'cr.txt:') and
      run('-q', 'cr.txt')[2] == b'')
code, out, err = run('--format', 'json', 'lf.txt', 'missing.txt', 'folder', '/dev/stdin')
check('LF line ends: one note; a folder cannot be read, even after a missing file; every line names its file',
      json.loads(out.splitlines()[0])['notes'] == [{'line': 1, 'code': 'lf_line_ends'}] and
      json.loads(out.splitlines()[2])['error'] == 'cannot_read' and code == 2 and
      err.count(b'lf.txt:1: lines end with LF alone') == 1 and b'folder: Error: The file cannot be read.\n' in err and
      all(re.match(rb'(lf\.txt|missing\.txt|folder|/dev/stdin):', line) for line in err.splitlines()))

# Roots near round numbers are the finder's, not the display's: each within
# 1e-15 of the roots mpmath finds for the coefficients as written.
mpmath.mp.dps = 50
NEAR_ROUND = [['-1.000000987654', '1'], ['1.000000987654', '-2.000000987654', '1'], ['-2.9999994', '1'],
              ['-1023.9999996', '1'], ['1.0000001', '0', '1'], ['-0.99999999', '0', '0', '1'],
              ['2.0000002', '-3.0000002', '1'], ['-8.000000123', '0', '0', '1'], ['0.2500000015', '-1', '1'],
              ['-12.000000007', '-1', '1'], ['6.0000006', '-11.0000007', '6', '-1'], ['-5e-7', '-1', '1']]


# Every exact root lies in a disk, and each cluster holds as many as its size.
def proof_holds(o, exact):
    disks = [(mpmath.mpc(*z), r, c) for z, r, (c, _) in zip(o['roots'], o['radii'], o['clusters'])]
    found = [next((c for z, r, c in disks if abs(x - z) <= r), None) for x in exact]
    sizes = dict((c, size) for c, size in o['clusters'])
    return o['proven'] and None not in found and all(found.count(c) == size for c, size in sizes.items())


worst, proven = 0, True
MULTIPLE = [(['-27', '27', '-9', '1'], [3] * 3), (['1', '0', '3', '0', '3', '0', '1'], [1j] * 3 + [-1j] * 3),
            (['0.01', '-0.2', '1'], [mpmath.mpf('0.1')] * 2),
            # Texts that are no doubles: disks as wide as their rounding makes the roots.
            (['1.00002', '-4.00006', '6.00006', '-4.00002', '1'], [1] * 3 + [mpmath.mpf('1.00002')])]
for n, coefficients in enumerate(NEAR_ROUND + [c for c, _ in MULTIPLE]):
    open(f'{WORK}/near{n}.txt', 'w', newline='').write(''.join(f'{c} 0\r\n' for c in coefficients))
    o = json.loads(run('--key', 'simultaneous', '--format', 'json', f'near{n}.txt')[1])
    if n >= len(NEAR_ROUND):
        proven &= proof_holds(o, MULTIPLE[n - len(NEAR_ROUND)][1]) and len({c for c, _ in o['clusters']}) < len(
            o['roots']) and max(o['radii']) <= 1e-2
        continue
    exact = mpmath.polyroots([mpmath.mpf(c) for c in reversed(coefficients)], maxsteps=200, extraprec=200)
    proven &= proof_holds(o, exact)
    for re_, im_ in o['roots']:
        z = mpmath.mpc(re_, im_)
        worst = max(worst, min(abs(z - r) / abs(r) for r in exact))
check(f'roots near round numbers: the finder\'s, {float(worst):.1e} from mpmath', worst <= 1e-15)
# JSON Lines: the roots 0 factored out are exact points beside the proof.
open(f'{WORK}/zeros.jsonl', 'w').write('{"coefficients":[0,0,-27,27,-9,1]}\n')
o = json.loads(run('--input', 'jsonl', '--key', 'simultaneous', '--format', 'json', 'zeros.jsonl')[1])
proven &= proof_holds(o, [0, 0, 3, 3, 3]) and o['radii'][:2] == [0, 0]
check('simultaneous: every exact root in its disks, multiple roots as one cluster', proven)
header = run('--key', 'simultaneous', '--format', 'csv', CUBIC)[1].split(b'\r\n')[0]
check('CSV: radius and cluster columns for simultaneous iteration only',
      header.endswith(b',radius,cluster,cluster_size') and b'radius' not in run('--format', 'csv', CUBIC)[1])

failure = json.loads(run('--lang', 'ja', '--format', 'json', 'missing.txt')[1])
check('JSON in UTF-8, also in Japanese', (failure['caption'], failure['message']) == ('エラー', 'ファイルが存在しません.'))
sys.exit(1 if failed else 0)
