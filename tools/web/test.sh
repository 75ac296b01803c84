#!/usr/bin/env bash
# What `make test-web` runs:
#   1. the suites that need no GL (files, image decoders, the Cg compiler,
#      the game rules and a replay of a recorded run), built for WebAssembly
#      and run under Node.js, and the platform contract with the browser
#      backend, run in headless Chromium (tests/web/platform_test.js): all
#      through ctest;
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
"$here/browser_env.sh"
ctest --test-dir "$build" --output-on-failure -j"${ZEPHRA_JOBS:-2}" -LE browser || status=1
# In full, so that the log shows each case skipped in the browser and why.
ctest --test-dir "$build" --verbose -L browser || status=1

"$here/package.sh" --site "$build/missing-star" --omit star.png "$build"
NODE_PATH=$here/node_modules${NODE_PATH:+:$NODE_PATH} \
  node "$root/tests/web/play_test.js" "$build" "$build/missing-star" "$build/screenshots" || status=1
exit "$status"
