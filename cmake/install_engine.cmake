# Install rules of the engine (component "engine"): the public headers under
# include/zephra/, the static libraries zephra, compat_cg and compat_bass, and
# a CMake package, so that find_package(Zephra CONFIG REQUIRED) gives
# Zephra::zephra.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

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

# The licence a game built on the engine passes on with it.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zephra
  COMPONENT engine)
