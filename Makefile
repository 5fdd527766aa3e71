# The front door. `make test` and `make run` install what is missing first.
NATIVE := build/native
WINDOWS := build/windows
JOBS := $(shell nproc)

.PHONY: all bootstrap native windows test unit e2e run bench clean

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

test: unit e2e

unit: native
	@ctest --test-dir $(NATIVE) --output-on-failure -j$(JOBS)

e2e: native windows
	@tests/e2e/run $(NATIVE) $(WINDOWS)

run: windows
	@tools/run-program $(WINDOWS)

bench: native windows
	@tests/bench/run $(NATIVE) $(WINDOWS)

clean:
	rm -rf build
