# Install rules: the game for players (component "game"), and the engine with
# our Cg runtime and audio calls for other games (component "engine"), as a
# CMake package: find_package(Zephra CONFIG REQUIRED) gives Zephra::zephra.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

file(STRINGS ${PROJECT_SOURCE_DIR}/VERSION ZEPHRA_VERSION LIMIT_COUNT 1)

# --- The game ---------------------------------------------------------------

install(TARGETS pouncer pouncer_windowed RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT game)

# The game reads data/ under its working directory, so the assets keep that
# folder name under share/pouncer and the desktop entry starts the game there.
set(POUNCER_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/pouncer)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${POUNCER_SHARE_DIR}/data COMPONENT game
  PATTERN CMakeLists.txt EXCLUDE
  PATTERN desktop EXCLUDE)

# The menu entry, icons and software-centre metadata of freedesktop systems.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
# The desktop entry names absolute paths, which are only known once the
# prefix is (cmake --install --prefix, or the package's /usr): written then.
set(POUNCER_DESKTOP_OUT ${PROJECT_BINARY_DIR}/install/pouncer.desktop)
install(CODE "
  set(datadir \"${CMAKE_INSTALL_DATADIR}\")
  set(bindir \"${CMAKE_INSTALL_BINDIR}\")
  if(NOT IS_ABSOLUTE \"\${datadir}\")
    set(datadir \"\${CMAKE_INSTALL_PREFIX}/\${datadir}\")
  endif()
  if(NOT IS_ABSOLUTE \"\${bindir}\")
    set(bindir \"\${CMAKE_INSTALL_PREFIX}/\${bindir}\")
  endif()
  set(POUNCER_PROGRAM \"\${bindir}/pouncer_windowed\")
  set(POUNCER_FOLDER \"\${datadir}/pouncer\")
  configure_file(\"${PROJECT_SOURCE_DIR}/data/desktop/pouncer.desktop.in\"
                 \"${POUNCER_DESKTOP_OUT}\" @ONLY)
" COMPONENT game)
install(FILES ${POUNCER_DESKTOP_OUT} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT game)

# Software centres show the screenshot from the game's web page.
set(POUNCER_HOMEPAGE "https://pouncer.example.org" CACHE STRING
  "The game's web page; its screenshot is published as screenshots/play.png there")
configure_file(${PROJECT_SOURCE_DIR}/data/desktop/org.zephra.pouncer.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/install/org.zephra.pouncer.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/install/org.zephra.pouncer.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT game)

foreach(size 48 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/pouncer-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME pouncer.png COMPONENT game)
endforeach()
endif()

# Licence texts: the game's own, when the tree has one, and the font's, which
# comes with Debian's Carlito package that the build copies the font from.
set(POUNCER_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/pouncer)
foreach(name LICENSE LICENSE.txt COPYING)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${name})
    install(FILES ${PROJECT_SOURCE_DIR}/${name} DESTINATION ${POUNCER_DOC_DIR} COMPONENT game)
  endif()
endforeach()
set(POUNCER_FONT_LICENSE /usr/share/doc/fonts-crosextra-carlito/copyright)
if(NOT EXISTS ${POUNCER_FONT_LICENSE})
  message(FATAL_ERROR "The font's licence ${POUNCER_FONT_LICENSE} is missing: "
                      "install fonts-crosextra-carlito (tools/deps.sh).")
endif()
install(FILES ${POUNCER_FONT_LICENSE} DESTINATION ${POUNCER_DOC_DIR}
  RENAME font-license-OFL-1.1.txt COMPONENT game)

# --- The engine -------------------------------------------------------------

# The headers a game includes: the umbrella header and everything it reaches.
# Paths are relative to engine/, as the headers include each other.
set(ZEPHRA_PUBLIC_HEADERS
  zephra.h
  utils/exceptions.h utils/streams.h utils/file.h utils/memory_stream.h
  platform/window.h platform/timer.h platform/input.h platform/message_box.h
  media/image.h media/image_loader.h media/font.h media/font_face.h
  render/device.h render/render_state.h render/texture.h render/matrix.h render/program.h)
set(ZEPHRA_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/zephra)
foreach(header ${ZEPHRA_PUBLIC_HEADERS})
  get_filename_component(folder ${header} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/engine/${header}
    DESTINATION ${ZEPHRA_INCLUDE_DIR}/${folder} COMPONENT engine)
endforeach()
# The Cg runtime's and the audio calls' headers sit beside them, so that
# "Cg/cg.h" resolves as it does in the tree.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/compat/cg/include/ ${PROJECT_SOURCE_DIR}/compat/bass/include/
  DESTINATION ${ZEPHRA_INCLUDE_DIR} COMPONENT engine FILES_MATCHING PATTERN "*.h")

# In the tree the libraries name their source folders for includes; an
# installed library names the installed folder instead.
foreach(library zephra compat_cg compat_bass)
  get_target_property(folders ${library} INTERFACE_INCLUDE_DIRECTORIES)
  set(build_only)
  foreach(folder ${folders})
    if(folder MATCHES "^\\$<")
      list(APPEND build_only "${folder}")
    else()
      list(APPEND build_only "$<BUILD_INTERFACE:${folder}>")
    endif()
  endforeach()
  set_target_properties(${library} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${build_only}")
endforeach()

install(TARGETS zephra compat_cg compat_bass EXPORT ZephraTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT engine
  INCLUDES DESTINATION ${ZEPHRA_INCLUDE_DIR})

set(ZEPHRA_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Zephra)
install(EXPORT ZephraTargets NAMESPACE Zephra:: DESTINATION ${ZEPHRA_CMAKE_DIR} COMPONENT engine)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/ZephraConfig.cmake.in
  ${PROJECT_BINARY_DIR}/install/ZephraConfig.cmake
  INSTALL_DESTINATION ${ZEPHRA_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/install/ZephraConfigVersion.cmake
  VERSION ${ZEPHRA_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/install/ZephraConfig.cmake
  ${PROJECT_BINARY_DIR}/install/ZephraConfigVersion.cmake
  DESTINATION ${ZEPHRA_CMAKE_DIR} COMPONENT engine)
