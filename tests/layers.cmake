# SPDX-License-Identifier: MIT
# The include test: every program folder may include its own headers and
# those of the folders it is built on, never one above it or beside it.
#   cmake -DSOURCE_DIR=... -DGRAPH=build/tests/folder_graph.cmake -P tests/layers.cmake
cmake_minimum_required(VERSION 3.25)
# The folders from the bottom up, each with the folders it links directly
# (uses_FOLDER); what those use comes along. The build writes GRAPH from the
# libraries' links (tests/CMakeLists.txt).
include(${GRAPH})

# Each folder may use what it links and everything below those, however far
# down; it links only folders below it, so the layers have no loop.
set(wrong)
set(seen)
foreach(folder IN LISTS folders)
  set(allowed)
  foreach(used IN LISTS uses_${folder})
    if(used IN_LIST seen)
      list(APPEND allowed ${used} ${below_${used}})
    else()
      list(APPEND wrong "${folder}/ links ${used}/, which is not below it")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set(below_${folder} ${allowed})
  list(APPEND seen ${folder})
  list(JOIN allowed ", " allowedText)
  file(GLOB sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(source IN LISTS sources)
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"[^\"/]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"/]+)/.*" "\\1" target "${line}")
      if(NOT target STREQUAL folder AND NOT target IN_LIST allowed)
        string(REGEX REPLACE "^#include " "" header "${line}")
        list(APPEND wrong "${source} includes ${header}: ${folder}/ uses only ${folder}/ and what it is built on: ${allowedText}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(wrong)
  list(JOIN wrong "\n" message)
  message(FATAL_ERROR "${message}")
endif()
