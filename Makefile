# The front door. `make test` and `make run` install what is missing first.
MAKEFLAGS += --no-print-directory
NATIVE := build/native
WINDOWS := build/windows
# The Windows build that the Wine targets run: the program itself, or where
# this machine's kernel runs no 32-bit programs (tools/wine-works), the same
# sources built for 64-bit Windows, which 64-bit Wine runs in its stead.
WINDOWS64 := build/windows64
WINE_BUILD = $(if $(shell tools/wine-works --32 && echo 32),$(WINDOWS),$(WINDOWS64))
JOBS := $(shell nproc)

SANITIZE := build/sanitize
FUZZ := build/fuzz
FUZZ_SECONDS := 60

.PHONY: all bootstrap native windows wine-build test unit sanitize fuzz-build fuzz-smoke fuzz valgrind numeric-bits e2e approve manuals dist run screenshots bench accuracy enclosure clean

all: native windows

bootstrap:
	@tools/bootstrap

native: bootstrap
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

windows: bootstrap
	@cmake -S . -B $(WINDOWS) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-i686.cmake >/dev/null
	@cmake --build $(WINDOWS) -j$(JOBS)

# The 64-bit stand-in, built only where 32-bit Wine cannot start.
wine-build: windows
	@if ! tools/wine-works --32; then \
	    cmake -S . -B $(WINDOWS64) -DCMAKE_BUILD_TYPE=Release \
	        -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-x86_64.cmake >/dev/null && \
	    cmake --build $(WINDOWS64) -j$(JOBS); fi

test: unit sanitize fuzz-smoke manuals e2e

unit: native
	@ctest --test-dir $(NATIVE) --output-on-failure -j$(JOBS)

# The unit tests once more with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: bootstrap
	@cmake -S . -B $(SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DDROVU_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE) -j$(JOBS)
	@ctest --test-dir $(SANITIZE) --output-on-failure -j$(JOBS)

fuzz-build: bootstrap
	@cmake -S . -B $(FUZZ) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDROVU_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ) -j$(JOBS)

# A few seconds per fuzz target, on the checked-in corpora.
fuzz-smoke: fuzz-build
	@tests/fuzz/run $(FUZZ) 3

# make fuzz FUZZ_SECONDS=600 for a long run.
fuzz: fuzz-build
	@tests/fuzz/run $(FUZZ) $(FUZZ_SECONDS)

# After a change meant to move the solver's bits: records what the native
# build computes as the new tests/e2e/numeric_bits.txt. Read git's diff of it
# before committing: every line that moves is a root or figure that changed.
numeric-bits: native
	@$(NATIVE)/tests/e2e/numeric_check < bench/polynomials.txt > tests/e2e/numeric_bits.txt

# Memory checks of the unit tests. Valgrind computes long double with 64-bit
# doubles, so the tests that compare extended-precision bits are left out.
valgrind: native
	@valgrind --error-exitcode=1 --leak-check=full -q $(NATIVE)/tests/unit/unit_tests \
	    --gtest_brief=1 --gtest_filter='-RootFinder*:SolveDriver*:ResultFormat*:RunSolution*:ExtSqrt*:Simultaneous*:ProveRoots*:ValueBound*:JsonlReader*'

e2e: native wine-build
	@tests/e2e/run $(NATIVE) $(WINE_BUILD)

# After a change to what the program shows: the end-to-end scenarios take
# their pictures anew as the approved ones (tests/e2e/golden/). Look at every
# picture git shows as changed before committing it.
approve: native wine-build
	@APPROVE=1 tests/e2e/run $(NATIVE) $(WINE_BUILD)

# The two user manuals, built beside DROVU_95.EXE by the Windows build, and
# checked: real documents with their pictures, holding every text the
# program shows.
manuals: windows
	@docs/check_manuals.py $(WINDOWS)/shell

# build/dist/drovu.zip: the program, the manuals, a README in each language
# and the example data files, ready to copy to a Windows machine.
dist: manuals
	@tools/make-dist $(WINDOWS)/shell build/dist

run: wine-build
	@tools/run-program $(WINE_BUILD)

# Every picture the end-to-end scenarios take (the splash, the views, the
# dialogs, the labels, in English and Japanese) as PNG files in
# build/screenshots/.
screenshots: native wine-build
	@DROVU_SHOTS=$(CURDIR)/build/screenshots tests/e2e/run $(NATIVE) $(WINE_BUILD)

bench: native windows
	@bench/run $(NATIVE) $(WINDOWS)

# How close every key and numpy.roots come to the benchmark equations' true
# roots, computed with mpmath (about two minutes).
accuracy: native
	@/usr/bin/python3 bench/accuracy.py $(NATIVE)/batch/drovu-solve

# The fifth method's proven disks against MPSolve's 60-digit roots: every
# root inside, every cluster holding its count (some minutes at degree 1000;
# make enclosure MAX_DEGREE=100 for a shorter run).
MAX_DEGREE := 1000
enclosure: native
	@/usr/bin/python3 bench/enclosure_check.py $(NATIVE) $(MAX_DEGREE)

clean:
	rm -rf build
