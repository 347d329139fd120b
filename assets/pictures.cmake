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
add_custom_command(
  OUTPUT ${generated}
  # Run from the source folder, so the messages name assets/map.bmp.
  COMMAND level_check ${pictures}
  COMMAND embed_pictures ${generated} assets/embedded_pictures.h pictures ${pictures}
  DEPENDS ${picture_files} ${PROJECT_SOURCE_DIR}/assets/embedded_pictures.h level_check embed_pictures
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Checking the level and embedding the pictures"
  VERBATIM
)
set(QUENTAVOX_EMBEDDED_PICTURES ${generated})
