#!/usr/bin/env bash
# What `make test-web` runs:
#   1. the suites that need no GL (files, image decoders, the Cg compiler,
#      the game rules and a replay of a recorded run), built for WebAssembly
#      and run under Node.js;
#   2. the page played in headless Chromium (tests/web/play_test.js), and a
#      copy of it whose data lack one picture. Screenshots land in
#      BUILD_DIR/screenshots.
#
#   test.sh [BUILD_DIR]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(realpath -m "${1:-$root/build-web}")
status=0

"$here/build.sh" --tests "$build"
source "$here/emscripten_env.sh"
ctest --test-dir "$build" --output-on-failure -j"${ZEPHRA_JOBS:-2}" || status=1

"$here/browser_env.sh"
"$here/package.sh" --site "$build/missing-star" --omit star.png "$build"
NODE_PATH=$here/node_modules${NODE_PATH:+:$NODE_PATH} \
  node "$root/tests/web/play_test.js" "$build" "$build/missing-star" "$build/screenshots" || status=1
exit "$status"
