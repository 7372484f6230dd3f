# The Debian package: "cmake --build build --target package" (or "cpack -G DEB" in build/) makes
# build/tamek_VERSION_amd64.deb from the install rules. Its dependencies are computed from the
# binaries by dpkg-shlibdeps (dpkg-dev).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tamek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Tamek)
set(CPACK_PACKAGE_CONTACT "Tamek <info@tamek.be>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming environment for the Tamek robot")
set(CPACK_PACKAGE_DESCRIPTION "Pupils draw a program for the small Tamek robot as a flowchart, which
Tamek compiles into the robot's byte code and runs in a simulator, with the real
robot's sensors, or uploaded into the robot. The interface is in Dutch. The
package holds the editor (tamek), its command line (tamekc) and a virtual robot
(tamek-robot).")
# Installed under /usr through DESTDIR: the udev rule and the links in bin/ follow the real prefix.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tamek.be)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Folders such as /usr/lib/udev/rules.d belong to other packages: the package lists only its own.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_SOURCE_DIR}/debian/postinst)
include(CPack)
