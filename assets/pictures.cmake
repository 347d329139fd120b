# SPDX-License-Identifier: MIT
# The pictures are checked and then compiled into the program, which reads no
# file at run time. A picture that is broken or of the wrong size, or a level
# that breaks the level's rules, stops the build here with a message naming
# the file.
# In the order level_check takes them: the map, the backdrop, the textures.
set(picture_names map.bmp backdrop.bmp texture1.bmp texture2.bmp texture3.bmp texture4.bmp texture5.bmp)
list(TRANSFORM picture_names PREPEND assets/ OUTPUT_VARIABLE pictures)
list(TRANSFORM pictures PREPEND ${PROJECT_SOURCE_DIR}/ OUTPUT_VARIABLE picture_files)
set(generated ${CMAKE_BINARY_DIR}/generated/embedded_pictures.cpp)
# A level pixel of none of the six level colours stops the build too, since it
# is almost always a slip of the brush that leaves a hole in a wall. A level
# that relies on the decoder's rule for such a pixel (its cell repeats the code
# read before it) can turn the error back into a warning.
option(QUENTAVOX_LEVEL_UNKNOWN_COLOURS_WARN
       "Only warn about level pixels of none of the level colours, instead of stopping the build" OFF)
set(level_check_options)
if(QUENTAVOX_LEVEL_UNKNOWN_COLOURS_WARN)
  set(level_check_options --unknown-colours-warn)
endif()
# Rewritten only when the option changes, so that changing it checks again.
set(level_check_stamp ${CMAKE_BINARY_DIR}/generated/level_check_options.txt)
file(CONFIGURE OUTPUT ${level_check_stamp} CONTENT "${level_check_options}\n")
add_custom_command(
  OUTPUT ${generated}
  # Run from the source folder, so the messages name assets/map.bmp.
  COMMAND level_check ${level_check_options} ${pictures}
  COMMAND embed_pictures ${generated} assets/embedded_pictures.h pictures ${pictures}
  DEPENDS ${picture_files} ${PROJECT_SOURCE_DIR}/assets/embedded_pictures.h ${level_check_stamp}
          level_check embed_pictures
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Checking the level and embedding the pictures"
  VERBATIM
)
set(QUENTAVOX_EMBEDDED_PICTURES ${generated})
