# The Windows build: cross-compiled with tools/windows/mingw-w64-x86_64.cmake
# against the static libraries tools/windows/build_deps.sh installs into
# ZEPHRA_WINDOWS_DEPS. Everything is linked statically, so the programs import
# Windows' own DLLs only and run from an unzipped folder.
if(NOT ZEPHRA_WINDOWS_DEPS OR NOT EXISTS "${ZEPHRA_WINDOWS_DEPS}/manifest.txt")
  message(FATAL_ERROR "ZEPHRA_WINDOWS_DEPS must name the folder tools/windows/build_deps.sh "
    "prints (got '${ZEPHRA_WINDOWS_DEPS}'). `make windows` sets it.")
endif()
list(PREPEND CMAKE_PREFIX_PATH ${ZEPHRA_WINDOWS_DEPS})

add_link_options(-static -static-libgcc -static-libstdc++)

find_package(SDL2 CONFIG REQUIRED)
find_package(SDL2_mixer CONFIG REQUIRED)
set(ZEPHRA_SDL2 SDL2::SDL2-static)
set(ZEPHRA_SDL2_MIXER SDL2_mixer::SDL2_mixer-static SDL2::SDL2-static)

find_package(OpenGL REQUIRED)
find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
find_package(Freetype REQUIRED)
# FindFreetype does not know that the static library needs zlib.
set_property(TARGET Freetype::Freetype APPEND PROPERTY INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)
# The release programs go out in a zip: no symbol tables in them.
add_link_options($<$<CONFIG:Release>:-s>)
