# The game on a freedesktop system (component "game"): the menu entry, the
# software-centre metadata and the icons, all from data/desktop/.

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

# Software centres show the screenshot from the game's web page
# (POUNCER_HOMEPAGE, cmake/authors.cmake).
configure_file(${PROJECT_SOURCE_DIR}/data/desktop/org.zephra.pouncer.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/install/org.zephra.pouncer.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/install/org.zephra.pouncer.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT game)

foreach(size 48 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/pouncer-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME pouncer.png COMPONENT game)
endforeach()
