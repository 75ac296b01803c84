#!/usr/bin/env bash
# What `make bench-web` runs after `make web`: bench/web/bench_web.js in
# headless Chromium, printing medians and the ratio to the floor.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(realpath "${1:-$root/build-web}")
"$here/browser_env.sh"
NODE_PATH=$here/node_modules${NODE_PATH:+:$NODE_PATH} node "$root/bench/web/bench_web.js" "$build"
