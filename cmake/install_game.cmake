# Install rules of the game (component "game"): both programs, the assets in
# share/pouncer/data and the licence texts. What a Linux desktop needs besides
# (menu entry, icons, metadata) is in install_desktop.cmake.
include(GNUInstallDirs)

install(TARGETS pouncer pouncer_windowed RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT game)

# The game reads data/ under its working directory, so the assets keep that
# folder name under share/pouncer and the desktop entry starts the game there.
set(POUNCER_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/pouncer)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${POUNCER_SHARE_DIR}/data COMPONENT game
  PATTERN CMakeLists.txt EXCLUDE
  PATTERN desktop EXCLUDE)

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  include(${CMAKE_CURRENT_LIST_DIR}/install_desktop.cmake)
endif()

# Licence texts in the game's doc folder: our own, as the Debian copyright
# file that cmake/debian_copyright.cmake writes from LICENSE (which also
# names the font's), and the font's, which comes with Debian's Carlito
# package that the build copies the font from.
set(POUNCER_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/pouncer)
include(${CMAKE_CURRENT_LIST_DIR}/debian_copyright.cmake)
install(FILES ${POUNCER_COPYRIGHT_FILE} DESTINATION ${POUNCER_DOC_DIR} COMPONENT game)
set(POUNCER_FONT_LICENSE /usr/share/doc/fonts-crosextra-carlito/copyright)
if(NOT EXISTS ${POUNCER_FONT_LICENSE})
  message(FATAL_ERROR "The font's licence ${POUNCER_FONT_LICENSE} is missing: "
                      "install fonts-crosextra-carlito (tools/deps.sh).")
endif()
install(FILES ${POUNCER_FONT_LICENSE} DESTINATION ${POUNCER_DOC_DIR}
  RENAME font-license-OFL-1.1.txt COMPONENT game)
