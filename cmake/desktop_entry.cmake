# SPDX-License-Identifier: MIT
# Run by `cmake --install`: writes the menu entry with the program's full path
# under the install prefix, since the games folder is not on every PATH
# (root's has none, nor has that of a session that systemd starts).
# Set by the caller: entry_source, entry_output, games_dir.
file(READ ${entry_source} entry)
# Every Exec line, the full-screen action's too, keeps its options.
string(REGEX REPLACE "\nExec=quentavox" "\nExec=${CMAKE_INSTALL_PREFIX}/${games_dir}/quentavox" entry "${entry}")
file(WRITE ${entry_output} "${entry}")
