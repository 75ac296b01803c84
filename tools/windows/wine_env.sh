#!/usr/bin/env bash
# The Wine prefix the Windows test suites run in: their own, never ~/.wine.
#
#   wine_env.sh PREFIX                 makes PREFIX once (wineboot, ~20 s)
#   wine_env.sh PREFIX -- CMD ARGS...  then runs CMD with WINEPREFIX and the
#                                      quiet settings exported
#
# Installs wine itself (through tools/deps.sh). Safe to call from several
# processes at once: the first makes the prefix, the others wait for it.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 1 ] || { echo "usage: $0 PREFIX [-- CMD ARGS...]" >&2; exit 2; }
prefix=$(realpath -m "$1")
shift

"$here/../deps.sh" wine >&2

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
# No .NET or Gecko installer dialogs: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [ ! -f "$prefix/.zephra-ready" ]; then
  rm -rf "$prefix"
  echo "Making the Wine prefix $prefix" >&2
  # No display: wineboot needs none, and no window must show up anywhere.
  env -u DISPLAY wine wineboot --init >/dev/null 2>&1 || true
  wineserver -w
  if [ ! -f "$prefix/system.reg" ]; then
    echo "wine_env.sh: wineboot did not make $prefix" >&2
    exit 1
  fi
  touch "$prefix/.zephra-ready"
fi
flock -u 9

if [ "${1:-}" = "--" ]; then
  shift
  exec "$@"
fi
