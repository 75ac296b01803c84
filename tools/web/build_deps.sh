#!/usr/bin/env bash
# Builds the static libraries the browser build links (zlib, libpng,
# libjpeg-turbo, FreeType, SDL2, SDL2_mixer, googletest) with Debian's
# emscripten from Debian's source packages, and prints the folder they are
# installed in.
#
# The folder is keyed by the source versions, the compiler's version and these
# scripts, so a second run finds it and takes seconds. ZEPHRA_WEB_CACHE moves
# the cache (default: ~/.cache/zephra-web-deps). The downloaded source
# packages are shared with the Windows build (tools/library_cache.sh).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
cache=${ZEPHRA_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zephra-web-deps}
what=browser
jobs=${ZEPHRA_JOBS:-1}   # per library; two libraries build side by side

"$root/tools/deps.sh" web >&2
source "$here/emscripten_env.sh"
source "$root/tools/library_cache.sh"

compiler=$(emcc --version | sed -n 1p)
library_cache_open "$here/build_deps.sh" "$here/emscripten_env.sh"

# cmake_build NAME SOURCE_DIR TARGET CMAKE_ARGS...: TARGET install installs into the stage.
cmake_build() {
  local name=$1 src=$2 target=$3
  shift 3
  emcmake cmake -S "$src" -B "$work/build-$name" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$stage" \
    -DCMAKE_PREFIX_PATH="$stage" -DCMAKE_FIND_ROOT_PATH="$stage" \
    -DBUILD_SHARED_LIBS=OFF "$@"
  cmake --build "$work/build-$name" -j"$jobs" --target "$target"
}

# zlib's CMake names a Windows resource file on every platform, and Debian's
# trimmed source lacks it: the static library is compiled directly.
build_zlib() {
  local src; src=$(unpacked zlib)
  local name objects=()
  mkdir -p "$work/build-zlib" "$stage/lib" "$stage/include"
  for name in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast \
              inflate inftrees trees uncompr zutil; do
    emcc -O3 -DHAVE_UNISTD_H -c "$src/$name.c" -o "$work/build-zlib/$name.o"
    objects+=("$work/build-zlib/$name.o")
  done
  emar rcs "$stage/lib/libz.a" "${objects[@]}"
  cp "$src/zlib.h" "$src/zconf.h" "$stage/include/"
}

build_png() {
  local src; src=$(unpacked libpng1.6)
  cmake_build png "$src" install \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DPNG_HARDWARE_OPTIMIZATIONS=OFF \
    -DZLIB_LIBRARY="$stage/lib/libz.a" -DZLIB_INCLUDE_DIR="$stage/include"
}

build_freetype() {
  local src; src=$(unpacked freetype)
  cmake_build freetype "$src" install \
    -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON -DFT_DISABLE_BZIP2=ON \
    -DFT_DISABLE_PNG=ON -DFT_REQUIRE_ZLIB=ON \
    -DZLIB_LIBRARY="$stage/lib/libz.a" -DZLIB_INCLUDE_DIR="$stage/include"
}

# WebAssembly has no SIMD that libjpeg-turbo knows. CMake's type-size check
# cannot read the sizes out of a WebAssembly object (it finds 9 for size_t),
# so wasm32's are given.
build_jpeg() {
  local src; src=$(unpacked libjpeg-turbo)
  cmake_build jpeg "$src" install \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF \
    -DHAVE_SIZE_T=TRUE -DSIZE_T=4 -DHAVE_UNSIGNED_LONG=TRUE -DUNSIGNED_LONG=4
}

# The page is single-threaded (no cross-origin isolation on a plain host), so
# SDL is built without threads; its Emscripten video, events, timer and audio
# are what the page uses.
build_sdl2() {
  local off=() sub
  for sub in JOYSTICK HAPTIC HIDAPI POWER SENSOR LOCALE PTHREADS THREADS VULKAN; do
    off+=("-DSDL_$sub=OFF")
  done
  local src; src=$(unpacked libsdl2)
  cmake_build sdl2 "$src" install \
    -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON \
    -DSDL_CCACHE=OFF "${off[@]}"
}

build_mixer() {
  local src; src=$(unpacked libsdl2-mixer)
  cmake_build mixer "$src" install \
    -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_DEPS_SHARED=OFF -DSDL2MIXER_VENDORED=OFF \
    -DSDL2MIXER_MP3=ON -DSDL2MIXER_MP3_DRMP3=ON -DSDL2MIXER_MP3_MPG123=OFF \
    -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MIDI=OFF \
    -DSDL2MIXER_CMD=OFF -DSDL2MIXER_VORBIS=OFF -DSDL2MIXER_WAVE=ON
}

# The test suites catch exceptions, so googletest is built with them.
build_gtest() {
  cmake_build googletest /usr/src/googletest install -DBUILD_GMOCK=OFF \
    -Dgtest_disable_pthreads=ON -DCMAKE_CXX_FLAGS=-fexceptions
}

# SDL2's long, mostly single-threaded configure runs beside the image libraries.
library_cache_build "sdl2 mixer" "zlib png freetype jpeg gtest"
