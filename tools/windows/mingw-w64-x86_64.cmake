# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads,
# which std::thread and googletest need). Used for the libraries under
# tools/windows/build_deps.sh and for the project itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZEPHRA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZEPHRA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZEPHRA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZEPHRA_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${ZEPHRA_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${ZEPHRA_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# Headers and libraries come from the cross toolchain and from the folder the
# dependencies were installed into (passed as ZEPHRA_WINDOWS_DEPS); programs
# (cmake, nasm, python) from the build machine.
set(ZEPHRA_WINDOWS_DEPS "" CACHE PATH "Prefix of the cross-built dependencies")
set(CMAKE_FIND_ROOT_PATH /usr/${ZEPHRA_MINGW_TRIPLE} ${ZEPHRA_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Try-compiles must see the same settings as the real build.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZEPHRA_WINDOWS_DEPS)
