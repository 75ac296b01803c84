#!/usr/bin/env bash
# Builds the static libraries the browser build links (zlib, libpng,
# libjpeg-turbo, FreeType, SDL2, SDL2_mixer, googletest) with Debian's
# emscripten from Debian's source packages, and prints the folder they are
# installed in.
#
# The folder is keyed by the source versions, the compiler's version and these
# scripts, so a second run finds it and takes seconds. ZEPHRA_WEB_CACHE moves
# the cache (default: ~/.cache/zephra-web-deps). The downloaded source
# packages are shared with the Windows build.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
sources=$root/tools/windows/debian_sources.sh
cache=${ZEPHRA_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zephra-web-deps}
jobs=${ZEPHRA_JOBS:-1}   # per library; two libraries build side by side

"$root/tools/deps.sh" web >&2
source "$here/emscripten_env.sh"

versions=$("$sources" versions)
gtest_version=$(dpkg-query -W -f='${Version}' googletest)
compiler=$(emcc --version | sed -n 1p)
scripts=$(cat "$here/build_deps.sh" "$here/emscripten_env.sh" "$sources" | sha256sum | cut -c1-16)
manifest=$(printf '%s\ngoogletest %s\ncompiler %s\nscripts %s\n' \
  "$versions" "$gtest_version" "$compiler" "$scripts")
key=$(sha256sum <<<"$manifest" | cut -c1-16)
prefix=$cache/$key

if [ -f "$prefix/manifest.txt" ]; then
  echo "$prefix"
  exit 0
fi

# Two builds at once share the cache: the second waits for the first.
mkdir -p "$cache"
exec 9>"$cache/$key.lock"
flock 9
if [ -f "$prefix/manifest.txt" ]; then
  echo "$prefix"
  exit 0
fi

version_of() { awk -v p="$1" '$1 == p {print $2}' <<<"$versions"; }

work=$cache/work-$key
stage=$cache/$key.partial
rm -rf "$work" "$stage"
mkdir -p "$work" "$stage"
echo "Building the browser libraries into $prefix (logs in $work)" >&2

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

unpacked() {
  "$sources" unpack "$1" "$(version_of "$1")" "$work/src-$1" >&2
  echo "$work/src-$1"
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

# run NAME: one library, its output in a log shown only when it fails.
# Never called as part of a && or || list: bash ignores errexit inside
# anything run there, and a failed step would go unnoticed.
run() {
  local log=$work/$1.log start=$SECONDS
  # In the background, so that the build function is not part of a list either.
  "build_$1" >"$log" 2>&1 &
  if wait $!; then
    echo "  $1: $((SECONDS - start)) s" >&2
  else
    echo "Building $1 failed; the end of $log:" >&2
    tail -n 40 "$log" >&2
    return 1
  fi
}
# Each lane a subshell in the background, where errexit holds: SDL2's long,
# mostly single-threaded configure runs beside the image libraries.
(run sdl2; run mixer) &
lane=$!
(run zlib; run png; run freetype; run jpeg; run gtest) &
main=$!
status=0
wait "$main" || status=1
wait "$lane" || status=1
[ "$status" -eq 0 ] || exit 1

printf '%s' "$manifest" >"$stage/manifest.txt"
mv "$stage" "$prefix"
rm -rf "$work"
echo "$prefix"
