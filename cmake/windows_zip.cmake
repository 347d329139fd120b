# SPDX-License-Identifier: MIT
# The zip a Windows user downloads: quentavox.exe, which needs only the DLLs
# that come with Windows, with a README.txt written for Windows users and the
# licence as LICENSE.txt beside it, both with Windows line ends so that any
# editor shows them right.
set(windows_zip ${CMAKE_BINARY_DIR}/quentavox-${PROJECT_VERSION}-win64.zip)
set(zip_folder ${CMAKE_BINARY_DIR}/zip)
set(zip_texts ${CMAKE_BINARY_DIR}/zip-texts)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/README.txt ${zip_texts}/README.txt @ONLY NEWLINE_STYLE CRLF)
set(zip_documents README.txt)
if(EXISTS ${CMAKE_SOURCE_DIR}/LICENSE)
  configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${zip_texts}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
  list(APPEND zip_documents LICENSE.txt)
endif()
list(TRANSFORM zip_documents PREPEND ${zip_texts}/ OUTPUT_VARIABLE zip_sources)

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
