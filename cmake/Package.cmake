# `make package`: a Debian package built by CPack from the install rules.


set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trevalo)
set(CPACK_PACKAGE_VENDOR Trevalo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TREVALO_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "make a DVD start straight in a chosen menu or title")
set(CPACK_PACKAGE_DESCRIPTION
    "Trevalo helps DVD-Video authors make a disc start in a chosen menu, VMGM
PGC or title, with the player's registers set as the disc's own start-up
chain would have left them. It works beside the IFO editor PgcEdit and
exchanges only text with it through the clipboard: it imports PgcEdit's
changed registers and composes the blocks of navigation commands to paste
back, one for the First Play PGC, one for the target PGC and, with a dummy
menu, one for the PGC after it. It reads and writes no files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TREVALO_PACKAGE_MAINTAINER})
# dpkg-shlibdeps names the libraries the program links to (the C and C++
# runtimes, Qt's widgets, GUI and core) with the least versions it needs.
# The platform plugins are loaded at run time, so no linker sees them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Without Arial the window's layout takes the metric-compatible Liberation faces.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")

include(CPack)
