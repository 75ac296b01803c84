#!/usr/bin/env bash
# Builds the browser version into BUILD_DIR (default build-web): the
# libraries first (cached, see build_deps.sh), then the tree with emscripten,
# then the page and pouncer-web.zip (package.sh).
#
#   build.sh [BUILD_DIR]           the page and the zip
#   build.sh --tests [BUILD_DIR]   also the suites that run under Node.js
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
targets=(pouncer_web)
tests=OFF
if [ "${1:-}" = "--tests" ]; then
  targets=(all)
  tests=ON
  shift
fi
build=$(realpath -m "${1:-$root/build-web}")
jobs=${ZEPHRA_JOBS:-2}

deps=$("$here/build_deps.sh")
source "$here/emscripten_env.sh"

# A new dependency folder needs a fresh configure: CMake keeps the
# libraries it found in its cache.
fresh=()
if [ -f "$build/CMakeCache.txt" ] &&
   ! grep -qxF "ZEPHRA_WEB_DEPS:PATH=$deps" "$build/CMakeCache.txt"; then
  fresh=(--fresh)
fi
emcmake cmake "${fresh[@]}" -S "$root" -B "$build" -G Ninja \
  -DZEPHRA_WEB_DEPS:PATH="$deps" \
  -DCMAKE_BUILD_TYPE=Release \
  -DZEPHRA_WERROR="${ZEPHRA_WERROR:-OFF}" \
  -DZEPHRA_BUILD_TESTS="$tests" -DZEPHRA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target "${targets[@]}" game_font

"$here/package.sh" "$build"
