# The Debian package, made by CPack from the install (scripts/package):
# zefiran3d_VERSION_ARCH.deb, its dependencies computed by dpkg-shlibdeps
# from the libraries the program links. scripts/package installs the command
# into /usr/games, where Debian keeps the programs of its section "games".
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${ZEF_COMMAND})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${ZEF_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chess program with a 3D board, and an xboard and UCI engine")
# CPack puts the summary line before this.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zefiran_3D is a chess program for one person at a desk: its own engine, a
3D OpenGL board and a flat 2D view of the same scene. It loads and saves
games in PGN, sets up positions from FEN, edits positions, keeps an opening
book it can rebuild from games, and runs perft, EPD and speed tests.
.
The same program is a chess engine for front ends that speak the
xboard/WinBoard or the UCI protocol: zefiran3d --engine.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its window-system plugin at run time, so no library names it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
