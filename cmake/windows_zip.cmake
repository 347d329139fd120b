# SPDX-License-Identifier: MIT
# The zip a Windows user downloads: quentavox.exe, which needs only the DLLs
# that come with Windows, with the README and the licence beside it.
set(windows_zip ${CMAKE_BINARY_DIR}/quentavox-${PROJECT_VERSION}-win64.zip)
set(zip_folder ${CMAKE_BINARY_DIR}/zip)
set(zip_documents README.md)
if(EXISTS ${CMAKE_SOURCE_DIR}/LICENSE)
  list(APPEND zip_documents LICENSE)
endif()
list(TRANSFORM zip_documents PREPEND ${CMAKE_SOURCE_DIR}/ OUTPUT_VARIABLE zip_sources)

add_custom_command(
  OUTPUT ${windows_zip}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${zip_folder}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${zip_folder}
  COMMAND ${CMAKE_STRIP} -o ${zip_folder}/quentavox.exe $<TARGET_FILE:quentavox>
  COMMAND ${CMAKE_COMMAND} -E copy ${zip_sources} ${zip_folder}
  COMMAND ${CMAKE_COMMAND} -E chdir ${zip_folder}
          ${CMAKE_COMMAND} -E tar cf ${windows_zip} --format=zip quentavox.exe ${zip_documents}
  DEPENDS quentavox ${zip_sources}
  COMMENT "Packing ${windows_zip}"
  VERBATIM
)
add_custom_target(windows_zip ALL DEPENDS ${windows_zip})
