#!/usr/bin/env bash
# Cross-builds the Windows programs into BUILD_DIR (default build-windows):
# the libraries first (cached, see build_deps.sh), then the tree with
# ZEPHRA_PLATFORM=win32, then pouncer-windows.zip.
#
#   build.sh [BUILD_DIR]           the two programs and the zip
#   build.sh --tests [BUILD_DIR]   also every Windows test suite
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
targets=(pouncer pouncer_windowed)
if [ "${1:-}" = "--tests" ]; then
  targets=(all)
  shift
fi
build=${1:-$root/build-windows}
jobs=${ZEPHRA_JOBS:-2}

deps=$("$here/build_deps.sh")

# Configuring again is quick. A new dependency folder needs a fresh
# configure: CMake keeps the libraries it found in its cache.
fresh=()
if [ -f "$build/CMakeCache.txt" ] &&
   ! grep -qxF "ZEPHRA_WINDOWS_DEPS:PATH=$deps" "$build/CMakeCache.txt"; then
  fresh=(--fresh)
fi
# CI sets ZEPHRA_WERROR=ON: a warning fails the Windows build too.
cmake "${fresh[@]}" -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
  -DZEPHRA_WINDOWS_DEPS="$deps" \
  -DCMAKE_BUILD_TYPE=Release \
  -DZEPHRA_BUILD_TESTS=ON -DZEPHRA_BUILD_BENCH=OFF \
  -DZEPHRA_WERROR="${ZEPHRA_WERROR:-OFF}" >/dev/null
cmake --build "$build" -j"$jobs" --target "${targets[@]}" game_font

"$here/package.sh" "$build"
