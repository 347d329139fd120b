# SPDX-License-Identifier: MIT
# Installation as a desktop program (`make install`) and a Debian package
# (`make package`): the program where Debian puts games, its menu entry,
# AppStream metadata, icons, manual page, copyright file and changelog.
include(GNUInstallDirs)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/quentavox)

# The manual page and the changelog are installed compressed, as Debian
# wants them: gzip -9n, which leaves out the name and the time stamp, so the
# same text always gives the same bytes.
find_program(GZIP gzip REQUIRED)
set(docs_out ${CMAKE_BINARY_DIR}/docs)
set(compressed_docs)
foreach(text debian/quentavox.6 debian/changelog)
  get_filename_component(name ${text} NAME)
  add_custom_command(
    OUTPUT ${docs_out}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${packaging}/${text} ${docs_out}/${name}
    COMMAND ${GZIP} -9nf ${docs_out}/${name}
    DEPENDS ${packaging}/${text}
    COMMENT "Compressing ${name}"
    VERBATIM
  )
  list(APPEND compressed_docs ${docs_out}/${name}.gz)
endforeach()
add_custom_target(quentavox_docs ALL DEPENDS ${compressed_docs})

set(games_dir games)
set(icon_sizes 48 64 128 256)

# The list of installed files that `make uninstall` reads (see
# cmake/installed_files.cmake) is noted around all the other rules: the
# folders that do not exist yet before them, the files after them. The
# Debian package leaves it out, as dpkg keeps its own list.
set(installed_files_list ${CMAKE_INSTALL_DATADIR}/quentavox/installed-files)
set(installed_files_folders ${games_dir} ${CMAKE_INSTALL_MANDIR}/man6 ${doc_dir}
    ${CMAKE_INSTALL_DATADIR}/applications ${CMAKE_INSTALL_DATADIR}/metainfo ${CMAKE_INSTALL_DATADIR}/quentavox)
foreach(size ${icon_sizes})
  list(APPEND installed_files_folders ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
set(installed_files_script ${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake)
install(CODE "set(installed_files_step before)
set(installed_files_list \"${installed_files_list}\")
set(installed_files_folders \"${installed_files_folders}\")
include(\"${installed_files_script}\")" COMPONENT installed_files)

install(TARGETS quentavox RUNTIME DESTINATION ${games_dir})
install(FILES ${docs_out}/quentavox.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${packaging}/debian/copyright ${docs_out}/changelog.gz DESTINATION ${doc_dir})
# The menu entry is installed with the program's full path in Exec.
set(entry_output ${CMAKE_BINARY_DIR}/desktop/quentavox.desktop)
install(CODE "set(entry_source \"${packaging}/desktop/quentavox.desktop\")
set(entry_output \"${entry_output}\")
set(games_dir ${games_dir})
include(\"${CMAKE_CURRENT_LIST_DIR}/desktop_entry.cmake\")")
install(FILES ${entry_output} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/desktop/org.quentavox.quentavox.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size ${icon_sizes})
  install(FILES ${packaging}/desktop/icons/${size}/quentavox.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Last of all the rules.
install(CODE "set(installed_files_step after)
include(\"${installed_files_script}\")" COMPONENT installed_files)

# The menu entry, the AppStream metadata and the manual page, checked with
# the tools that distributions check them with.
if(QUENTAVOX_TESTS)
  add_test(NAME desktop_entry COMMAND desktop-file-validate ${packaging}/desktop/quentavox.desktop)
  add_test(NAME appstream_metadata COMMAND appstreamcli validate --no-net --pedantic
           ${packaging}/desktop/org.quentavox.quentavox.metainfo.xml)
  add_test(NAME manual_page COMMAND sh -c
           "warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l \"$1\" 2>&1 >/dev/null); echo \"$warnings\"; [ -z \"$warnings\" ]"
           sh ${packaging}/debian/quentavox.6)
  # What `make install` puts where, and that `make uninstall` takes it away.
  add_test(NAME install_uninstall COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install_test.sh)
  set_tests_properties(install_uninstall PROPERTIES
    ENVIRONMENT "BUILD=${CMAKE_BINARY_DIR};UNINSTALL=${PROJECT_SOURCE_DIR}/scripts/uninstall")
  set_tests_properties(desktop_entry appstream_metadata manual_page install_uninstall PROPERTIES LABELS package)
endif()

# Installing and packaging build only what they install (`make install` and
# `make package` build it first), not the tests and the benchmark.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
# One package of every component but the list of installed files: the
# component of the rules that name none.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
if(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME)
  set(CPACK_COMPONENTS_ALL ${CMAKE_INSTALL_DEFAULT_COMPONENT_NAME})
else()
  set(CPACK_COMPONENTS_ALL Unspecified)
endif()
set(CPACK_PACKAGE_NAME quentavox)
set(CPACK_PACKAGE_VENDOR "The Quentavox authors")
set(CPACK_PACKAGE_CONTACT "Quentavox developers <quentavox-devel@lists.quentavox.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "first-person maze viewer")
# Debian shows the long description as it is, so its lines are kept short.
set(CPACK_PACKAGE_DESCRIPTION "Quentavox shows a textured 3-D view of a maze of 64 x 64 cells, drawn
column by column by casting one ray per column, and lets one user walk
through it with the keyboard: the arrow keys turn and walk, comma and full
stop step sideways, and walls stop the player but let them slide along.
The window caption shows the frames drawn in the last second.
.
The maze and its pictures are compiled into the program, which reads no
file and keeps no settings.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quentavox.org/")
# The dependencies are read from the libraries the program is linked with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
