#!/usr/bin/env python3
# drovu-solve -o on the real file system: what is at the name is written
# through or replaced whole, keeps its kind, links and permission bits, is
# never an input, and a run stopped by a signal leaves nothing behind.
# Prints one line per check; exits 1 when any failed.
#   output_test.py DROVU_SOLVE EXAMPLES_DIR
import os, signal, stat, subprocess, sys, tempfile, threading, time

SOLVE, EXAMPLES = (os.path.realpath(a) for a in sys.argv[1:3])
CUBIC = f'{EXAMPLES}/cubic_tab.txt'
WORK = (SCRATCH := tempfile.TemporaryDirectory(prefix='drovu-output-test.')).name
REPORT = subprocess.run([SOLVE, CUBIC], capture_output=True).stdout
failed = 0


def run(*args):
    return subprocess.run([SOLVE, '-q', *args], capture_output=True, cwd=WORK).returncode


def check(name, ok):
    global failed
    failed += not ok
    print(('ok   ' if ok else 'FAIL ') + name)


def path(name):
    return os.path.join(WORK, name)


def put(name, text='old', mode=0o644):
    with open(path(name), 'w') as f:
        f.write(text)
    os.chmod(path(name), mode)


def read(name):
    with open(path(name), 'rb') as f:
        return f.read()


def leftovers():
    return [n for n in os.listdir(WORK) if n.startswith('~drovu-')]


# A device: written into, still the device afterwards. A node of our own
# where we may make one (root), else /dev/null itself.
try:
    os.mknod(path('null'), stat.S_IFCHR | 0o666, os.makedev(1, 3))
    device = path('null')
except PermissionError:
    device = '/dev/null'
check('a device is written into, and stays a device',
      run('-o', device, CUBIC) == 0 and stat.S_ISCHR(os.stat(device).st_mode) and not leftovers())

# A FIFO: its reader gets the report.
os.mkfifo(path('fifo'))
got = []
reader = threading.Thread(target=lambda: got.append(open(path('fifo'), 'rb').read()))
reader.start()
status = run('-o', 'fifo', CUBIC)
reader.join(10)
check('a FIFO is written into', status == 0 and got == [REPORT] and stat.S_ISFIFO(os.stat(path('fifo')).st_mode))

# Symbolic links are written through, a dangling one too; the links stay.
put('real.txt')
os.symlink('real.txt', path('link.txt'))
os.symlink('sub/new.txt', path('dangling.txt'))
os.mkdir(path('sub'))
check('a symbolic link is written through',
      run('-o', 'link.txt', CUBIC) == 0 and os.path.islink(path('link.txt')) and read('real.txt') == REPORT and
      run('-o', 'dangling.txt', CUBIC) == 0 and os.path.islink(path('dangling.txt')) and
      read('sub/new.txt') == REPORT)

# Links planted at the names the output once used lead nowhere now.
for n in range(10):
    os.symlink('victim.txt', path(f'out.txt.~{n}'))
check('links at the old temporary names are not followed',
      run('-o', 'out.txt', CUBIC) == 0 and read('out.txt') == REPORT and not os.path.exists(path('victim.txt')))

# A hard link sees the new bytes: the file is the same file afterwards.
put('first.txt')
os.link(path('first.txt'), path('second.txt'))
inode = os.stat(path('first.txt')).st_ino
check('a file with two names keeps both',
      run('-o', 'first.txt', CUBIC) == 0 and read('second.txt') == REPORT and
      os.stat(path('first.txt')).st_ino == inode and not leftovers())

# Permission bits: 600 stays 600; a read-only file is not replaced at all.
put('private.txt', mode=0o600)
put('readonly.txt', mode=0o444)
check('a 600 file stays 600, a read-only file is left as it was',
      run('-o', 'private.txt', CUBIC) == 0 and stat.S_IMODE(os.stat(path('private.txt')).st_mode) == 0o600 and
      run('-o', 'readonly.txt', CUBIC) == 5 and read('readonly.txt') == b'old' and not leftovers())

# An input named as the output, also through a link: refused before anything.
with open(CUBIC, 'rb') as f:
    open(path('data.txt'), 'wb').write(f.read())
os.symlink('data.txt', path('data_link.txt'))
before = read('data.txt')
names = sorted(os.listdir(WORK))
check('-o naming an input is a usage error, nothing read or written',
      run('-o', 'data.txt', 'data.txt') == 1 and run('-o', 'data_link.txt', CUBIC, 'data.txt') == 1 and
      read('data.txt') == before and sorted(os.listdir(WORK)) == names)

# -o - is standard output; -oFILE is -o FILE; a name as long as a name may be.
long_name = 'l' * 250 + '.txt'
check('-o -, -oFILE and a 254-byte name',
      subprocess.run([SOLVE, '-q', '-o', '-', CUBIC], capture_output=True, cwd=WORK).stdout == REPORT and
      run('-oshort.txt', CUBIC) == 0 and read('short.txt') == REPORT and
      run('-o', long_name, CUBIC) == 0 and read(long_name) == REPORT)

# A run stopped while it waits for its input leaves the old output as it
# was and no new file.
for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
    put('kept.txt')
    p = subprocess.Popen([SOLVE, '-q', '-o', 'kept.txt', CUBIC, '-'], cwd=WORK, stdin=subprocess.PIPE)
    deadline = time.time() + 10
    while not leftovers() and time.time() < deadline:
        time.sleep(0.01)
    started = bool(leftovers())
    p.send_signal(sig)
    p.wait(10)
    check(f'{signal.Signals(sig).name} mid-write leaves nothing behind',
          started and p.returncode == -sig and not leftovers() and read('kept.txt') == b'old')
    p.stdin.close()

# A signal the run was started to ignore (nohup) stays ignored.
put('kept.txt')
p = subprocess.Popen([SOLVE, '-q', '-o', 'kept.txt', CUBIC, '-'], cwd=WORK, stdin=subprocess.PIPE,
                     stderr=subprocess.DEVNULL, preexec_fn=lambda: signal.signal(signal.SIGHUP, signal.SIG_IGN))
deadline = time.time() + 10
while not leftovers() and time.time() < deadline:
    time.sleep(0.01)
p.send_signal(signal.SIGHUP)
time.sleep(0.2)
p.stdin.close()
check('nohup: SIGHUP ignored, the output finished', p.wait(10) == 2 and REPORT in read('kept.txt'))
sys.exit(1 if failed else 0)
