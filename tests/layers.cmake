# SPDX-License-Identifier: MIT
# The include test: every program folder may include its own headers and
# those of the folders it is built on, never one above it or beside it.
#   cmake -DSOURCE_DIR=... -P tests/layers.cmake
cmake_minimum_required(VERSION 3.25)
# Each folder with the folders it uses directly; what those use comes along.
set(uses_base)
set(uses_gfx base)
set(uses_angles base)
set(uses_assets gfx)
set(uses_input base)
set(uses_sim angles assets input)
set(uses_render sim gfx)
set(uses_core render)
set(uses_platform core)
set(folders base gfx angles assets input sim render core platform)

# Everything below a folder, however far down.
function(below folder out)
  set(found)
  foreach(used IN LISTS uses_${folder})
    below(${used} deeper)
    list(APPEND found ${used} ${deeper})
  endforeach()
  list(REMOVE_DUPLICATES found)
  set(${out} ${found} PARENT_SCOPE)
endfunction()

set(wrong)
foreach(folder IN LISTS folders)
  below(${folder} allowed)
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
