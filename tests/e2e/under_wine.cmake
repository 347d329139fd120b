# SPDX-License-Identifier: MIT
# The Windows build runs the tests that start, draw, key and close the
# program against quentavox.exe under Wine. The reference frames and the X
# client are Linux programs and come from the native build.
set(QUENTAVOX_NATIVE_BUILD ${CMAKE_SOURCE_DIR}/build CACHE PATH
    "The native build whose render_reference and desktop the tests under Wine use")
set(native ${QUENTAVOX_NATIVE_BUILD}/tests/e2e)

foreach(name IN LISTS e2e_tests e2e_wine_only_tests)
  add_test(NAME e2e_${name} COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/under_wine.sh ${name}.sh)
  set_tests_properties(e2e_${name} PROPERTIES
    LABELS e2e
    TIMEOUT 300
    SKIP_RETURN_CODE 77
    ENVIRONMENT "QUENTAVOX_EXE=$<TARGET_FILE:quentavox>;QUENTAVOX_VERSION=${PROJECT_VERSION};WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;RENDER_REFERENCE=${native}/render_reference;DESKTOP=${native}/desktop;FIXTURES=${CMAKE_SOURCE_DIR}/tests/fixtures")
endforeach()
