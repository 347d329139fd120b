# SPDX-License-Identifier: MIT
# The window icon travels inside the program as the pictures do: the BMP made
# by make_icons becomes embedded::window_icon, declared in platform/window_icon.h.
set(window_icon_bmp packaging/desktop/window_icon.bmp)
set(window_icon_cpp ${CMAKE_BINARY_DIR}/generated/window_icon.cpp)
add_custom_command(
  OUTPUT ${window_icon_cpp}
  COMMAND embed_pictures ${window_icon_cpp} platform/window_icon.h window_icon ${window_icon_bmp}
  DEPENDS ${PROJECT_SOURCE_DIR}/${window_icon_bmp} ${PROJECT_SOURCE_DIR}/platform/window_icon.h embed_pictures
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Embedding the window icon"
  VERBATIM
)
set(QUENTAVOX_WINDOW_ICON ${window_icon_cpp})
