#!/usr/bin/env bash
# What `make bench-web` runs after `make web`: bench/web/bench_web.js in
# headless Chromium, printing medians and the ratio to the floors. The floor
# written in C is built here, into the same build folder.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(realpath "${1:-$root/build-web}")
"$here/browser_env.sh"
(source "$here/emscripten_env.sh" && cmake --build "$build" --target web_c_floor >/dev/null)
NODE_PATH=$here/node_modules${NODE_PATH:+:$NODE_PATH} node "$root/bench/web/bench_web.js" "$build"
