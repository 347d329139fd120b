# The pictures are checked and then compiled into the program, which reads no
# file at run time. An edited level that breaks the level's rules stops the
# build here with a message naming the file, the pixel and the rule.
set(map ${CMAKE_SOURCE_DIR}/assets/map.bmp)
set(pictures
  ${CMAKE_SOURCE_DIR}/assets/backdrop.bmp
  ${CMAKE_SOURCE_DIR}/assets/texture1.bmp
  ${CMAKE_SOURCE_DIR}/assets/texture2.bmp
  ${CMAKE_SOURCE_DIR}/assets/texture3.bmp
  ${CMAKE_SOURCE_DIR}/assets/texture4.bmp
  ${CMAKE_SOURCE_DIR}/assets/texture5.bmp
)
set(generated ${CMAKE_BINARY_DIR}/generated/embedded_pictures.cpp)
add_custom_command(
  OUTPUT ${generated}
  COMMAND level_check ${map} ${pictures}
  COMMAND embed_pictures ${generated} ${map} ${pictures}
  DEPENDS ${map} ${pictures} level_check embed_pictures
  COMMENT "Checking the level and embedding the pictures"
  VERBATIM
)
set(QUENTAVOX_EMBEDDED_PICTURES ${generated})
