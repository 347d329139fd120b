# SPDX-License-Identifier: MIT
# Builds for 64-bit Windows with Debian's MinGW-w64 compilers (the posix
# thread model), and runs what the build runs (the level check, the picture
# embedder, the unit tests) under Wine.
#
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64.cmake \
#         -DCMAKE_PREFIX_PATH=<SDL2 and GoogleTest built for Windows>
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

# Windows headers and libraries come from MinGW's tree and from the prefixes
# in CMAKE_PREFIX_PATH, never from this machine's own.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes are linked in, so a program needs only the DLLs
# that come with Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Wine keeps its state in a prefix of the build folder's own. The programs
# run here need no display; without one Wine opens no window on the desktop
# of whoever builds, and never offers to install Mono or Gecko.
set(CMAKE_CROSSCOMPILING_EMULATOR
  /usr/bin/env -u DISPLAY -u WAYLAND_DISPLAY
  WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
  /usr/lib/wine/wine64)
