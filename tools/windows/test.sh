#!/usr/bin/env bash
# What `make test-windows` runs:
#   1. every Windows test suite, cross-built into WIN_BUILD and run under Wine
#      (one Wine start per suite, each on an X server of its own), and a look
#      into the zip a player downloads;
#   2. the end-to-end suite, a Linux program in LINUX_BUILD that plays the
#      Windows programs under Wine as a person would (clicks, keys,
#      screenshots), when the tree has it.
#
#   test.sh LINUX_BUILD WIN_BUILD
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
linux_build=$(realpath "${1:?usage: test.sh LINUX_BUILD WIN_BUILD}")
win_build=$(realpath -m "${2:?usage: test.sh LINUX_BUILD WIN_BUILD}")
jobs=${ZEPHRA_JOBS:-2}
status=0

"$here/build.sh" --tests "$win_build"
ctest --test-dir "$win_build" --output-on-failure || status=1
"$here/check_zip.sh" "$win_build/pouncer-windows.zip" || status=1

# Configured afresh first: the target list must be the tree's, not the last build's.
cmake -S "$here/../.." -B "$linux_build" >/dev/null
targets=$(cmake --build "$linux_build" --target help)
if grep -qw test_e2e_wine <<<"$targets"; then
  cmake --build "$linux_build" -j"$jobs" --target test_e2e_wine
  run=()
  [ -n "${DISPLAY:-}" ] || run=(xvfb-run -a -s "-screen 0 1280x1024x24")
  (cd "$here/../.." && ZEPHRA_WINDOWS_BUILD=$win_build \
     ZEPHRA_WINE_PREFIX=$win_build/wine-prefix "${run[@]}" "$linux_build/tests/e2e/test_e2e_wine") || status=1
else
  echo "test.sh: this tree has no end-to-end suite for the Windows programs (test_e2e_wine)" >&2
fi
exit "$status"
