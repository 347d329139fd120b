# SPDX-License-Identifier: MIT
# `make test` (cmake --workflow --preset test) runs the suite in three trees,
# and a workflow works in one: from build/, the target other_trees configures
# and builds the sanitizer and clang trees from their presets, and
# test_other_trees runs their test presets. Neither is built by default.
set(other_trees sanitize clang)
set(configure_and_build)
set(run_tests)
foreach(tree IN LISTS other_trees)
  list(APPEND configure_and_build COMMAND ${CMAKE_COMMAND} --preset ${tree} COMMAND ${CMAKE_COMMAND} --build --preset ${tree})
  list(APPEND run_tests COMMAND ${CMAKE_CTEST_COMMAND} --preset ${tree})
endforeach()
add_custom_target(other_trees ${configure_and_build} WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} USES_TERMINAL VERBATIM)
add_custom_target(test_other_trees ${run_tests} WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} USES_TERMINAL VERBATIM)
