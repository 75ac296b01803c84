#!/usr/bin/env bash
# Runs a Windows program under Wine on an X server of its own, in the test
# suites' Wine prefix, and leaves nothing behind: the prefix's processes are
# ended and the X server stopped however the program ends.
#
#   wine_run.sh [--screen WxHxD] [--prefix DIR] [--timeout SECONDS] PROGRAM.exe ARGS...
#
# The exit status is the program's (124 when it ran out of time). The screen
# defaults to 1024x768x24; Xvfb offers that one mode only, so a test of a
# full-screen switch to 800 x 600 asks for 800x600x24. The prefix defaults to
# $ZEPHRA_WINE_PREFIX, else wine-prefix beside the program; it is made on
# first use. DISPLAY is set for the program: it and its tests may start
# further X clients (xdotool, xwininfo) on the same server.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
screen=1024x768x24
prefix=${ZEPHRA_WINE_PREFIX:-}
limit=${ZEPHRA_WINE_TIMEOUT:-900}
while [ $# -gt 0 ]; do
  case "$1" in
    --screen) screen=$2; shift 2 ;;
    --prefix) prefix=$2; shift 2 ;;
    --timeout) limit=$2; shift 2 ;;
    --) shift; break ;;
    -*) echo "wine_run.sh: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
[ $# -ge 1 ] || { echo "usage: $0 [--screen WxHxD] [--prefix DIR] [--timeout S] PROGRAM.exe ARGS..." >&2; exit 2; }
program=$1
shift
[ -f "$program" ] || { echo "wine_run.sh: no program $program" >&2; exit 2; }
[ -n "$prefix" ] || prefix=$(dirname "$(realpath "$program")")/wine-prefix

"$here/wine_env.sh" "$prefix"
export WINEPREFIX=$(realpath -m "$prefix") WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

# One program at a time per prefix: the clean-up ends every process in it.
exec 8>"$WINEPREFIX.run.lock"
flock 8

scratch=$(mktemp -d)
xvfb=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display number itself and writes it when it is ready.
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
for _ in $(seq 300); do
  [ -s "$scratch/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { echo "wine_run.sh: Xvfb failed:" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }
  sleep 0.1
done
[ -s "$scratch/display" ] || { echo "wine_run.sh: Xvfb did not start within 30 s" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$scratch/display")

status=0
timeout -k 10 "$limit" wine "$program" "$@" || status=$?
[ "$status" -ne 124 ] || echo "wine_run.sh: $program ran out of time (${limit} s)" >&2
exit "$status"
