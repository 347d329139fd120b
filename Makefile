# Quentavox: `make run` builds and opens the window, `make test` builds and
# runs the whole suite. Both install the Debian packages they need first.

BUILD_PACKAGES := cmake make g++ pkg-config libsdl2-dev libx11-dev libgtest-dev libgmock-dev libbenchmark-dev
TEST_PACKAGES := xvfb xdotool x11-utils imagemagick
JOBS ?= $(shell nproc)

.PHONY: run test bench build deps test-deps clean install package soak windows test-windows windows-deps

run: build
	./build/quentavox

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
	cmake --build build -j $(JOBS)

# The unit tests run twice: in the release build (with the end-to-end tests
# of the real program) and under AddressSanitizer and UBSan.
test: build test-deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUENTAVOX_SANITIZE=ON -DQUENTAVOX_BENCH=OFF
	cmake --build build-sanitize -j $(JOBS)
	ctest --test-dir build --output-on-failure
	ctest --test-dir build-sanitize --output-on-failure -L unit

bench: build
	./build/bench/quentavox_bench

deps:
	@tools/install-deps $(BUILD_PACKAGES)

test-deps:
	@tools/install-deps $(TEST_PACKAGES)

clean:
	rm -rf build build-sanitize build-windows

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

# Windows: `make windows` cross-builds quentavox.exe with MinGW-w64 against
# SDL2 and GoogleTest built here for Windows (once; they stay in
# build-windows/deps) and packs build-windows/quentavox-<version>-win64.zip.
# `make test-windows` runs its unit tests and end-to-end tests under Wine.
WINDOWS_PACKAGES := cmake make g++-mingw-w64-x86-64-posix wine64 dpkg-dev googletest
WINDOWS_DEPS := $(CURDIR)/build-windows/deps
WINDOWS_CMAKE := --toolchain $(CURDIR)/tools/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
SDL2_WINDOWS := $(WINDOWS_DEPS)/lib/cmake/SDL2/SDL2Config.cmake
GTEST_WINDOWS := $(WINDOWS_DEPS)/lib/cmake/GTest/GTestConfig.cmake

windows: windows-deps $(SDL2_WINDOWS) $(GTEST_WINDOWS)
	cmake -S . -B build-windows $(WINDOWS_CMAKE) -DCMAKE_PREFIX_PATH=$(WINDOWS_DEPS) -DQUENTAVOX_BENCH=OFF
	tools/wine-session build-windows/wineprefix cmake --build build-windows -j $(JOBS)

windows-deps:
	@tools/install-deps $(WINDOWS_PACKAGES)

$(SDL2_WINDOWS): | windows-deps
	rm -rf build-windows/sdl2-source build-windows/sdl2
	tools/fetch-sdl2-source build-windows/sdl2-source
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
	tools/wine-session build-windows/wineprefix ctest --test-dir build-windows --output-on-failure -L unit
	ctest --test-dir build-windows --output-on-failure -L e2e
	@grep -h '^skipped under Wine' build-windows/Testing/Temporary/LastTest.log || true
