# SPDX-License-Identifier: MIT
# The build for the web with emscripten: quentavox.js and quentavox.wasm,
# which the page in web/ loads.
#
#   emcmake cmake -S . -B build-web -DSDL2_DIR=<SDL2 built for the web>/lib/cmake/SDL2
#                 -DQUENTAVOX_NATIVE_BUILD=<a native build folder>
#
# SDL2_DIR names our SDL2 outright: emscripten's own SDL2 package, which
# CMake would find first, asks to build a port and fails in a frozen cache.
# The programs the build runs (the level check, the picture embedder) and the
# tests' reference renderer come from the native build.
set(QUENTAVOX_NATIVE_BUILD "" CACHE PATH "A native build folder, for the level check, the picture embedder and the reference renderer")
if(NOT EXISTS "${QUENTAVOX_NATIVE_BUILD}/tools/level_check")
  message(FATAL_ERROR "QUENTAVOX_NATIVE_BUILD must name a native build with tools/level_check built")
endif()
set(QUENTAVOX_TESTS OFF CACHE BOOL "" FORCE)
set(QUENTAVOX_BENCH OFF CACHE BOOL "" FORCE)

# The main loop runs as it does on the desktop; ASYNCIFY lets it hand
# control back to the browser while it waits, and resume where it was. A
# run-time error is a C++ exception, caught at the top as on the desktop.
add_compile_options(-fexceptions)
# The page opens levels through the functions platform/page_levels.cpp exports,
# writing their pictures with FS and their names into memory it allocates.
# (Not with ccall: while the main loop sleeps, ASYNCIFY makes ccall answer
# with a promise of main's own result.)
# Control goes back to the browser in one place only, the sleep at the
# bottom of this chain (SDL is told not to sleep by itself), so only the
# functions that can be on the stack then are readied to be unwound. Left
# to find them itself, ASYNCIFY would ready every function that may throw
# or call through a pointer, some 80 KB more of the download, gzipped. The
# timer's and the page host's functions are named whole, as the optimiser
# may or may not fold them into their callers. The program alone is linked
# so (platform/CMakeLists.txt), as the others lack those functions.
set(QUENTAVOX_WEB_PROGRAM_LINK_OPTIONS -sASYNCIFY "-sASYNCIFY_ONLY=[\"main\",\"frmMain::Form_Load*\",\"SdlPlatform::DoEvents*\",\"SdlPlatform::WaitUntilTick*\",\"FineTimer::*\",\"host::*\",\"browserSleep*\"]")
add_link_options(-fexceptions -sALLOW_MEMORY_GROWTH -sENVIRONMENT=web
  -sEXPORTED_FUNCTIONS=[_main,_malloc,_free,_quentavoxOpenLevel,_quentavoxOpenLevelLink,_quentavoxLevelLink,_quentavoxRecord,_quentavoxMouse,_quentavoxOpenWalkLink,_quentavoxPressButton]
  -sEXPORTED_RUNTIME_METHODS=[FS,lengthBytesUTF8,stringToUTF8,UTF8ToString]
  -sINCOMING_MODULE_JS_API=[canvas,print,printErr,onAbort,onRuntimeInitialized])
# emcc optimises the JavaScript with acorn, which Debian keeps in
# /usr/share/nodejs; a node not from Debian does not look there by itself.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
