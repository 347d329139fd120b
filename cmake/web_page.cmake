# SPDX-License-Identifier: MIT
# What goes on a web server: the page and its script from web/, the program
# as quentavox.js and quentavox.wasm, how to serve them and the licence. They
# are left both in a folder ready to serve and in
# build-web/quentavox-<version>-web.zip.

set(web_name quentavox-${PROJECT_VERSION}-web)
set(web_folder ${CMAKE_BINARY_DIR}/${web_name})
set(web_zip ${CMAKE_BINARY_DIR}/${web_name}.zip)
set(web_documents ${CMAKE_SOURCE_DIR}/web/index.html ${CMAKE_SOURCE_DIR}/web/page.js ${CMAKE_SOURCE_DIR}/web/README.txt)
if(EXISTS ${CMAKE_SOURCE_DIR}/LICENSE)
  list(APPEND web_documents ${CMAKE_SOURCE_DIR}/LICENSE)
endif()
set(web_files)
foreach(document ${web_documents})
  get_filename_component(name ${document} NAME)
  list(APPEND web_files ${name})
endforeach()
list(APPEND web_files quentavox.js quentavox.wasm)

add_custom_command(
  OUTPUT ${web_zip}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${web_folder}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${web_folder}
  COMMAND ${CMAKE_COMMAND} -E copy ${web_documents} $<TARGET_FILE:quentavox>
          $<TARGET_FILE_DIR:quentavox>/quentavox.wasm ${web_folder}
  COMMAND ${CMAKE_COMMAND} -E chdir ${web_folder}
          ${CMAKE_COMMAND} -E tar cf ${web_zip} --format=zip ${web_files}
  DEPENDS quentavox ${web_documents}
  COMMENT "Packing ${web_zip}"
  VERBATIM
)
add_custom_target(web_zip ALL DEPENDS ${web_zip})

enable_testing()
add_subdirectory(tests/web)
