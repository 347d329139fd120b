# Quentavox: `make run` builds and opens the window, `make test` builds and
# runs the whole suite. Both install the Debian packages they need first.

BUILD_PACKAGES := cmake make g++ pkg-config libsdl2-dev libx11-dev libgtest-dev libgmock-dev libbenchmark-dev
TEST_PACKAGES := xvfb xdotool x11-utils imagemagick xfonts-base
JOBS ?= $(shell nproc)

.PHONY: run test bench build deps test-deps clean install package soak

run: build
	./build/quentavox

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
	cmake --build build -j $(JOBS)

# The whole suite runs twice: in the release build and under AddressSanitizer
# and UBSan, where the end-to-end tests start and close the real program too.
test: build test-deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUENTAVOX_SANITIZE=ON -DQUENTAVOX_BENCH=OFF
	cmake --build build-sanitize -j $(JOBS)
	ctest --test-dir build --output-on-failure
	ctest --test-dir build-sanitize --output-on-failure

bench: build
	./build/bench/quentavox_bench

deps:
	@tools/install-deps $(BUILD_PACKAGES)

test-deps:
	@tools/install-deps $(TEST_PACKAGES)

clean:
	rm -rf build build-sanitize

# `make install PREFIX=/opt/quentavox`; `make package` leaves a .deb in build/.
PREFIX ?= /usr/local
install: build
	cmake --install build --prefix $(PREFIX)

package: build
	cd build && cpack

# Ten minutes of random keys under Xvfb (`make soak SOAK_SECONDS=60` for less).
SOAK_SECONDS ?= 600
soak: build test-deps
	tools/soak $(SOAK_SECONDS)
