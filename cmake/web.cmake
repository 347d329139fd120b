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
# control back to the browser once a pass, and resume where it was. A
# run-time error is a C++ exception, caught at the top as on the desktop.
add_compile_options(-fexceptions)
# The page opens levels through the functions platform/page_levels.cpp exports,
# writing their pictures with FS and their names into memory it allocates.
# (Not with ccall: while the main loop sleeps, ASYNCIFY makes ccall answer
# with a promise of main's own result.)
# Walks never hand control back: ASYNCIFY, which cannot see through the
# virtual calls they make, need not ready them to be unwound.
add_link_options("-sASYNCIFY_REMOVE=[\"*Walk*\",\"*Demo*\",\"*Replay*\",\"*Recording*\",\"frmMain::Form_OLEDragDrop*\"]")
add_link_options(-fexceptions -sASYNCIFY -sALLOW_MEMORY_GROWTH -sENVIRONMENT=web
  -sEXPORTED_FUNCTIONS=[_main,_malloc,_free,_quentavoxOpenLevel,_quentavoxOpenLevelLink,_quentavoxLevelLink,_quentavoxRecord,_quentavoxMouse,_quentavoxOpenWalkLink,_quentavoxPressButton]
  -sEXPORTED_RUNTIME_METHODS=[FS,lengthBytesUTF8,stringToUTF8,UTF8ToString]
  -sINCOMING_MODULE_JS_API=[canvas,print,printErr,onAbort,onRuntimeInitialized])
# emcc optimises the JavaScript with acorn, which Debian keeps in
# /usr/share/nodejs; a node not from Debian does not look there by itself.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
