#!/usr/bin/env bash
# Cross-builds the static libraries the Windows programs and their test suites
# link (zlib, libpng, libjpeg-turbo, FreeType, SDL2's audio, SDL2_mixer,
# googletest) from Debian's source packages, and prints the folder they are
# installed in.
#
# The folder is keyed by the source versions, the compiler's version and these
# scripts, so a second run finds it and takes seconds; anything else that
# changes is built anew beside the old one. ZEPHRA_WINDOWS_CACHE moves the
# cache (default: ~/.cache/zephra-windows-deps); tools/library_cache.sh keeps it.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
cache=${ZEPHRA_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zephra-windows-deps}
export ZEPHRA_WINDOWS_CACHE=$cache
what=Windows
toolchain=$here/mingw-w64-x86_64.cmake
jobs=${ZEPHRA_JOBS:-1}   # per library; two libraries build side by side

"$root/tools/deps.sh" windows >&2
source "$root/tools/library_cache.sh"

compiler=$(x86_64-w64-mingw32-gcc-posix --version | head -n1)
library_cache_open "$here/build_deps.sh" "$toolchain"

# cmake_build NAME SOURCE_DIR TARGET CMAKE_ARGS...: TARGET install installs into the stage.
cmake_build() {
  local name=$1 src=$2 target=$3
  shift 3
  cmake -S "$src" -B "$work/build-$name" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DZEPHRA_WINDOWS_DEPS="$stage" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$stage" \
    -DCMAKE_PREFIX_PATH="$stage" -DBUILD_SHARED_LIBS=OFF "$@"
  cmake --build "$work/build-$name" -j"$jobs" --target "$target"
}

build_zlib() {
  local src; src=$(unpacked zlib)
  # Debian's trimmed source lacks the DLL's resource file: the static library only.
  cmake_build zlib "$src" zlibstatic
  mkdir -p "$stage/lib" "$stage/include"
  cp "$work/build-zlib/libzlibstatic.a" "$stage/lib/libz.a"
  cp "$src/zlib.h" "$work/build-zlib/zconf.h" "$stage/include/"
}

build_png() {
  local src; src=$(unpacked libpng1.6)
  cmake_build png "$src" install \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DZLIB_LIBRARY="$stage/lib/libz.a" -DZLIB_INCLUDE_DIR="$stage/include"
}

build_freetype() {
  local src; src=$(unpacked freetype)
  cmake_build freetype "$src" install \
    -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON -DFT_DISABLE_BZIP2=ON \
    -DFT_DISABLE_PNG=ON -DFT_REQUIRE_ZLIB=ON \
    -DZLIB_LIBRARY="$stage/lib/libz.a" -DZLIB_INCLUDE_DIR="$stage/include"
}

build_jpeg() {
  local src; src=$(unpacked libjpeg-turbo)
  cmake_build jpeg "$src" install \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON \
    -DCMAKE_ASM_NASM_COMPILER=nasm
}

# Only SDL's audio is used: the window, GL context and input are native Win32.
# Events stay on because SDL_INIT_AUDIO brings them up.
build_sdl2() {
  local off=() sub
  for sub in VIDEO RENDER JOYSTICK HAPTIC HIDAPI POWER SENSOR LOCALE MISC FILESYSTEM \
             OPENGL OPENGLES VULKAN DIRECTX RENDER_D3D XINPUT OFFSCREEN DUMMYVIDEO; do
    off+=("-DSDL_$sub=OFF")
  done
  local src; src=$(unpacked libsdl2)
  # The dynamic API (replacing a program's SDL at run time) is for shared SDLs.
  # Linked statically with video off, its table would name the Windows video
  # functions that are not built; SDL turns it off only by editing this file.
  sed -i 's/^#define SDL_DYNAMIC_API 1$/#define SDL_DYNAMIC_API 0/' "$src/src/dynapi/SDL_dynapi.h"
  grep -q '^#define SDL_DYNAMIC_API 0$' "$src/src/dynapi/SDL_dynapi.h"
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

build_gtest() {
  cmake_build googletest /usr/src/googletest install -DBUILD_GMOCK=OFF -Dgtest_force_shared_crt=ON
}

# SDL2's long, mostly single-threaded configure runs beside the image libraries.
library_cache_build "sdl2 mixer" "zlib png freetype jpeg gtest"
