# SPDX-License-Identifier: MIT
# Quentavox: `make run` builds and opens the window, `make test` builds and
# runs the whole suite. Each target installs the Debian packages it needs
# first (scripts/install-deps); the plain cmake commands are in the README.

# What the program needs, and what the tests, the benchmark and the Debian
# package need on top of it.
PROGRAM_PACKAGES := cmake make g++ pkg-config libsdl2-dev
TEST_PACKAGES := libgtest-dev libgmock-dev libx11-dev xvfb xdotool x11-utils imagemagick \
	desktop-file-utils appstream man-db xfonts-base
BENCH_PACKAGES := libbenchmark-dev
# The tool that draws the pictures in docs/ writes PNG files.
DOCS_PACKAGES := libsdl2-image-dev
PACKAGE_PACKAGES := dpkg-dev file
# The mutation runner is a Python script.
MUTANTS_PACKAGES := python3
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

CONFIGURE := cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
# What `make install` and `make package` install: the program and its
# compressed manual page and changelog.
INSTALLED_TARGETS := quentavox quentavox_docs

.PHONY: run program build test bench docs install uninstall package soak mutants clean \
	deps test-deps bench-deps docs-deps package-deps windows test-windows windows-deps

run: program
	./build/quentavox

# The program alone, with the build-time tools that check and embed its
# pictures; no tests, no benchmark.
program: deps
	$(CONFIGURE)
	cmake --build build -j $(JOBS) --target quentavox

# Everything: the program, the tests, the benchmark and the tools.
build: deps test-deps bench-deps docs-deps
	$(CONFIGURE) -DQUENTAVOX_TESTS=ON -DQUENTAVOX_BENCH=ON
	cmake --build build -j $(JOBS)

# The whole suite runs twice: in the release build and under AddressSanitizer
# and UBSan, where the end-to-end tests start and close the real program too.
test: build
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUENTAVOX_SANITIZE=ON \
		-DQUENTAVOX_TESTS=ON -DQUENTAVOX_BENCH=OFF
	cmake --build build-sanitize -j $(JOBS)
	ctest --test-dir build --output-on-failure
	ctest --test-dir build-sanitize --output-on-failure -LE package

bench: deps bench-deps
	$(CONFIGURE) -DQUENTAVOX_BENCH=ON
	cmake --build build -j $(JOBS) --target quentavox_bench
	./build/bench/quentavox_bench

# The pictures in docs/, the README's screenshot among them, drawn from the
# shipped pictures by the program's own code.
docs: deps docs-deps
	$(CONFIGURE)
	cmake --build build -j $(JOBS) --target ray_diagram
	scripts/docs-pictures build/tools/ray_diagram/ray_diagram

# `make install PREFIX=/opt/quentavox`; `make uninstall` with the same PREFIX
# removes the files again (directories stay). DESTDIR is honoured by both.
install: deps
	$(CONFIGURE)
	cmake --build build -j $(JOBS) --target $(INSTALLED_TARGETS)
	cmake --install build --prefix $(PREFIX)

uninstall:
	scripts/uninstall build/install_manifest.txt "$(PREFIX)" "$(DESTDIR)"

# Leaves a .deb in build/.
package: deps package-deps
	$(CONFIGURE)
	cmake --build build -j $(JOBS) --target $(INSTALLED_TARGETS)
	cd build && cpack

# Each slip listed in tests/mutants.txt made in turn in a scratch copy of the
# tree (build-mutants/), rebuilt and tested; prints which tests catch it and
# the share caught. On demand only: a whole run takes the better part of an hour.
mutants: deps test-deps docs-deps
	@scripts/install-deps $(MUTANTS_PACKAGES)
	scripts/mutants

# Ten minutes of random keys under Xvfb (`make soak SOAK_SECONDS=60` for less).
SOAK_SECONDS ?= 600
soak: program test-deps
	scripts/soak $(SOAK_SECONDS)

clean:
	rm -rf build build-sanitize build-windows build-mutants

deps:
	@scripts/install-deps $(PROGRAM_PACKAGES)

test-deps:
	@scripts/install-deps $(TEST_PACKAGES)

bench-deps:
	@scripts/install-deps $(BENCH_PACKAGES)

docs-deps:
	@scripts/install-deps $(DOCS_PACKAGES)

package-deps:
	@scripts/install-deps $(PACKAGE_PACKAGES)

# Windows: `make windows` cross-builds quentavox.exe with MinGW-w64 against
# SDL2 and GoogleTest built here for Windows (once; they stay in
# build-windows/deps) and packs build-windows/quentavox-<version>-win64.zip.
# `make test-windows` runs its unit tests and end-to-end tests under Wine.
WINDOWS_PACKAGES := cmake make g++-mingw-w64-x86-64-posix wine64 dpkg-dev googletest
WINDOWS_DEPS := $(CURDIR)/build-windows/deps
WINDOWS_CMAKE := --toolchain $(CURDIR)/cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
SDL2_WINDOWS := $(WINDOWS_DEPS)/lib/cmake/SDL2/SDL2Config.cmake
GTEST_WINDOWS := $(WINDOWS_DEPS)/lib/cmake/GTest/GTestConfig.cmake

windows: windows-deps $(SDL2_WINDOWS) $(GTEST_WINDOWS)
	cmake -S . -B build-windows $(WINDOWS_CMAKE) -DCMAKE_PREFIX_PATH=$(WINDOWS_DEPS) \
		-DQUENTAVOX_TESTS=ON -DQUENTAVOX_BENCH=OFF
	scripts/wine-session build-windows/wineprefix cmake --build build-windows -j $(JOBS)

windows-deps:
	@scripts/install-deps $(WINDOWS_PACKAGES)

$(SDL2_WINDOWS): | windows-deps
	rm -rf build-windows/sdl2-source build-windows/sdl2
	scripts/fetch-sdl2-source build-windows/sdl2-source
	cmake -S build-windows/sdl2-source/libsdl2-*/ -B build-windows/sdl2 $(WINDOWS_CMAKE) \
		-DCMAKE_INSTALL_PREFIX=$(WINDOWS_DEPS) -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
	cmake --build build-windows/sdl2 -j $(JOBS)
	cmake --install build-windows/sdl2

$(GTEST_WINDOWS): | windows-deps
	cmake -S /usr/src/googletest -B build-windows/googletest $(WINDOWS_CMAKE) \
		-DCMAKE_INSTALL_PREFIX=$(WINDOWS_DEPS) -DBUILD_GMOCK=OFF
	cmake --build build-windows/googletest -j $(JOBS)
	cmake --install build-windows/googletest

# The end-to-end tests compare the window with frames that the native build
# renders, and use its small X clients.
test-windows: windows build test-deps
	scripts/wine-session build-windows/wineprefix ctest --test-dir build-windows --output-on-failure -L unit
	ctest --test-dir build-windows --output-on-failure -L e2e
	@grep -h '^skipped under Wine' build-windows/Testing/Temporary/LastTest.log || true
