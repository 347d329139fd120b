# SPDX-License-Identifier: MIT
# The list of what `make install` put under a prefix, installed with the
# program as share/quentavox/installed-files, so that `make uninstall` reads it
# from the prefix and works from any build, or none. One path a line, relative
# to the prefix: the files, then the folders the installations created, which
# end in "/" ("./" is the prefix itself).
#
# `cmake --install` runs this script twice, with installed_files_step set:
#   before  first of all, to note which of the folders in installed_files_folders
#           (relative to the prefix) and their parents do not exist yet;
#   after   last of all, to write the list from the files installed in between
#           to installed_files_list (relative).
# An earlier list in the same prefix is merged in, so that installing twice
# still removes the folders the first time created, and files a newer
# version no longer installs.

set(installed_files_root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(installed_files_file "${installed_files_root}/${installed_files_list}")

if(installed_files_step STREQUAL "before")
  set(installed_files_created)
  foreach(installed_files_folder IN LISTS installed_files_folders)
    while(NOT installed_files_folder STREQUAL ""
          AND NOT IS_DIRECTORY "${installed_files_root}/${installed_files_folder}")
      list(APPEND installed_files_created "${installed_files_folder}/")
      get_filename_component(installed_files_folder "${installed_files_folder}" DIRECTORY)
    endwhile()
  endforeach()
  if(NOT IS_DIRECTORY "${installed_files_root}")
    list(APPEND installed_files_created "./")
  endif()
  set(installed_files_earlier)
  if(EXISTS "${installed_files_file}")
    file(STRINGS "${installed_files_file}" installed_files_earlier REGEX "^[^#]")
  endif()
elseif(installed_files_step STREQUAL "after")
  # The variables of this script share the scope of the whole installation.
  set(installed_files_entries "${installed_files_list}")
  foreach(installed_files_path IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
    # The manifest names the files under the prefix without DESTDIR.
    file(RELATIVE_PATH installed_files_path "${CMAKE_INSTALL_PREFIX}" "${installed_files_path}")
    list(APPEND installed_files_entries "${installed_files_path}")
  endforeach()
  list(APPEND installed_files_entries ${installed_files_earlier} ${installed_files_created})
  list(REMOVE_DUPLICATES installed_files_entries)
  list(SORT installed_files_entries)
  list(JOIN installed_files_entries "\n" installed_files_text)
  # Written in place rather than copied with file(INSTALL), which takes a
  # file whose time stamp falls in the same second for up to date.
  message(STATUS "Installing: ${installed_files_file}")
  file(WRITE "${installed_files_file}"
       "# Quentavox: what `make install` put under this prefix, for `make uninstall`.\n${installed_files_text}\n")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_PREFIX}/${installed_files_list}")
else()
  message(FATAL_ERROR "installed_files.cmake: installed_files_step must be before or after")
endif()
