# Installation as a desktop program (`make install`) and a Debian package
# (`make package`): the program, its menu entry and its icon.
include(GNUInstallDirs)

install(TARGETS quentavox RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/quentavox.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/quentavox.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quentavox)
set(CPACK_PACKAGE_VENDOR "Quentavox developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "first-person maze viewer")
set(CPACK_PACKAGE_DESCRIPTION "Quentavox shows a textured 3-D view of a 64 x 64 maze and lets \
one user walk through it with the keyboard: the arrow keys turn and walk, comma and full stop \
step sideways.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quentavox developers")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The program is built with g++ 12 against Debian 12's libraries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0, libstdc++6 (>= 12), libc6")
include(CPack)
