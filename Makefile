# SPDX-License-Identifier: MIT
# Quentavox: `make run` builds and opens the window, `make test` builds and
# runs the whole suite. Each target installs the Debian packages it needs
# first (scripts/install-deps); the plain cmake commands are in the README.

# What the program needs, and what the tests, the benchmark and the Debian
# package need on top of it.
PROGRAM_PACKAGES := cmake make g++ pkg-config libsdl2-dev
TEST_PACKAGES := libgtest-dev libgmock-dev libx11-dev xvfb xdotool x11-utils xtrace imagemagick \
	desktop-file-utils appstream man-db xfonts-base clang-16
# The idle-processor benchmark runs the program in a private X server.
BENCH_PACKAGES := libbenchmark-dev xvfb xdotool
# The tool that draws the pictures in docs/ writes PNG files.
DOCS_PACKAGES := libsdl2-image-dev
PACKAGE_PACKAGES := dpkg-dev file
# The mutation runner is a Python script.
MUTANTS_PACKAGES := python3
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

# Warnings stop the build only in the sanitizer and clang builds of
# `make test` (the presets sanitize and clang), where the compilers are the
# ones we test with; in build/, the release preset's, which
# `make run`, `make install` and `make package` share with the tests, a newer
# compiler's new warning must not stop a user's build (and one setting there
# means switching targets never rebuilds everything).
CONFIGURE := cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
# What `make install` and `make package` install: the program and its
# compressed manual page and changelog.
INSTALLED_TARGETS := quentavox quentavox_docs

.PHONY: run program build test check-recipes bench docs install uninstall package soak mutants clean \
	deps test-deps bench-deps docs-deps package-deps windows test-windows windows-deps \
	web test-web web-deps test-web-deps

run: program
	./build/quentavox

# The program alone, with the build-time tools that check and embed its
# pictures; no tests, no benchmark.
program: deps
	$(CONFIGURE)
	cmake --build build -j $(JOBS) --target quentavox

# The build trees and their tests are CMake presets (CMakePresets.json); the
# build presets take the number of jobs from here.
export CMAKE_BUILD_PARALLEL_LEVEL := $(JOBS)

# Everything: the program, the tests, the benchmark and the tools.
build: deps test-deps bench-deps docs-deps
	cmake --preset release
	cmake --build --preset release

# The whole suite runs twice: in the release build and under AddressSanitizer
# and UBSan, where the end-to-end tests start and close the real program too.
# Debian's clang builds the program, the tools and the tests too, without a
# warning, and runs the unit tests. The three trees are built first, then
# tested in that order.
test: deps test-deps bench-deps docs-deps
	cmake --workflow --preset test

# The recipes of HACKING.md followed in a scratch copy of the tree
# (build-recipes/), each checked to work as written there.
check-recipes: deps test-deps docs-deps
	scripts/check-recipes

bench: deps bench-deps
	$(CONFIGURE) -DQUENTAVOX_BENCH=ON
	cmake --build build -j $(JOBS) --target quentavox_bench upscale_bench walk_bench quentavox bare_window
	./build/bench/quentavox_bench
	./build/bench/upscale_bench
	./build/bench/walk_bench
	./build/quentavox --timedemo bench/wall_walk.qvd
	bench/idle_cpu build/quentavox build/bench/bare_window 10 -- --map

# The pictures in docs/, the README's screenshot among them, drawn from the
# shipped pictures by the program's own code.
docs: deps docs-deps
	$(CONFIGURE)
	cmake --build build -j $(JOBS) --target ray_diagram
	scripts/docs-pictures build/tools/ray_diagram/ray_diagram

# `make install PREFIX=/opt/quentavox`; `make uninstall` with the same PREFIX
# removes the files again, and the folders the installation created once they
# are empty, as listed in PREFIX/share/quentavox/installed-files: it needs no
# build. DESTDIR is honoured by both.
install: deps
	$(CONFIGURE)
	cmake --build build -j $(JOBS) --target $(INSTALLED_TARGETS)
	cmake --install build --prefix $(PREFIX)

uninstall:
	scripts/uninstall "$(PREFIX)" "$(DESTDIR)"

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

# SDL2 built for Windows and for the web stays in the cache folder that
# scripts/build-sdl2 names, for every clone on this machine to share.
clean:
	rm -rf build build-sanitize build-clang build-windows build-web build-mutants build-recipes

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
# SDL2 built for Windows once per SDL2 and compiler version (it is kept in
# ${XDG_CACHE_HOME:-~/.cache}/quentavox, see scripts/build-sdl2) and
# GoogleTest built here (it stays in build-windows/deps), and packs
# build-windows/quentavox-<version>-win64.zip.
# `make test-windows` runs its unit tests and end-to-end tests under Wine.
WINDOWS_PACKAGES := cmake make g++-mingw-w64-x86-64-posix wine64 dpkg-dev googletest
WINDOWS_DEPS := $(CURDIR)/build-windows/deps
WINDOWS_CMAKE := --toolchain $(CURDIR)/cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
GTEST_WINDOWS := $(WINDOWS_DEPS)/lib/cmake/GTest/GTestConfig.cmake

# SDL2_DIR is given outright, so a configure from before the cache, which
# found SDL2 in build-windows/deps, finds the cached one now.
windows: windows-deps $(GTEST_WINDOWS)
	sdl2=$$(JOBS=$(JOBS) scripts/build-sdl2 windows) && \
	cmake -S . -B build-windows $(WINDOWS_CMAKE) -DCMAKE_PREFIX_PATH="$$sdl2;$(WINDOWS_DEPS)" \
		-DSDL2_DIR=$$sdl2/lib/cmake/SDL2 -DQUENTAVOX_TESTS=ON -DQUENTAVOX_BENCH=OFF
	scripts/wine-session build-windows/wineprefix cmake --build build-windows -j $(JOBS)

windows-deps:
	@scripts/install-deps $(WINDOWS_PACKAGES)

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

# The web: `make web` builds quentavox.js and quentavox.wasm with emscripten
# against SDL2 built for the web (once, kept in the same cache as Windows'),
# and leaves the page ready to serve in build-web/quentavox-<version>-web/
# and packed in build-web/quentavox-<version>-web.zip. The level check and
# the picture embedder it runs are the native build's.
WEB_PACKAGES := cmake make g++ pkg-config libsdl2-dev emscripten
TEST_WEB_PACKAGES := chromium nodejs

web: web-deps
	$(CONFIGURE)
	cmake --build build -j $(JOBS) --target level_check embed_pictures
	sdl2=$$(JOBS=$(JOBS) scripts/build-sdl2 web) && \
	emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DSDL2_DIR=$$sdl2/lib/cmake/SDL2 \
		-DQUENTAVOX_NATIVE_BUILD=$(CURDIR)/build
	cmake --build build-web -j $(JOBS) --target web_zip

web-deps:
	@scripts/install-deps $(WEB_PACKAGES)

test-web-deps:
	@scripts/install-deps $(TEST_WEB_PACKAGES)

# The page in headless Chromium; the frames it shows are checked with the
# native build's reference renderer, the angle tables with the native ones.
test-web: build web test-web-deps
	cmake --build build-web -j $(JOBS) --target angle_tables
	ctest --test-dir build-web --output-on-failure -L web
