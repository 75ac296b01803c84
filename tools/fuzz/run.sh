#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) into build-fuzz/
# and runs one of them for a while on its seed corpus. Not part of CI.
#   tools/fuzz/run.sh NAME [SECONDS]     e.g. tools/fuzz/run.sh image_fuzz 120
set -euo pipefail
cd "$(dirname "$0")/../.."
name=${1:?usage: tools/fuzz/run.sh NAME [SECONDS]}
seconds=${2:-60}
tools/deps.sh fuzz
if [ ! -f build-fuzz/CMakeCache.txt ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZEPHRA_SANITIZE=ON -DZEPHRA_FUZZ=ON -DZEPHRA_BUILD_TESTS=OFF -DZEPHRA_BUILD_BENCH=OFF
fi
cmake --build build-fuzz --target "$name" -j"$(nproc)"
seeds=tools/fuzz/seeds/${name%_fuzz}
work=build-fuzz/corpus-${name%_fuzz}
mkdir -p "$work"
build-fuzz/tools/fuzz/"$name" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
  "$work" "$seeds"
