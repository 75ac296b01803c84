# `make package` (cpack in build/): the game as a Debian package,
# build/pouncer_<version>_<arch>.deb. Only the game's install component goes
# in; its Depends are computed from the programs' shared libraries.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pouncer)
set(CPACK_PACKAGE_VERSION ${ZEPHRA_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};Zephra;game;/")
# Installed under the final /usr prefix (into a staging folder), so that the
# desktop entry written at install time names /usr paths.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game: a cat climbs from star to star")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Steer a cat with the mouse, jump from star to star and climb as high as\n"
  "you can. Stars bounce the cat higher and score points by height; gold\n"
  "stars give magic jumps, wings let it fly for a while, and x2 doubles the\n"
  "points.")

set(CPACK_PACKAGE_VENDOR "${ZEPHRA_AUTHORS}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZEPHRA_AUTHORS} <${ZEPHRA_CONTACT}>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${POUNCER_HOMEPAGE}")
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE POUNCER_DEB_ARCH
  OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR POUNCER_DEB_ARCH STREQUAL "")
  message(STATUS "No dpkg here: `make package` builds no Debian package")
  return()
endif()
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${POUNCER_DEB_ARCH})
set(CPACK_DEBIAN_FILE_NAME pouncer_${ZEPHRA_VERSION}_${POUNCER_DEB_ARCH}.deb)
set(POUNCER_DEB_FILE ${PROJECT_BINARY_DIR}/${CPACK_DEBIAN_FILE_NAME})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Added to what dpkg-shlibdeps finds: the programs open libGL.so.1 at run
# time (the window's context and the Cg runtime), which no link records.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1")

include(CPack)
