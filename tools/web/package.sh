#!/usr/bin/env bash
# Puts the page together in BUILD_DIR: index.html, pouncer.js and
# pouncer.wasm (linked there), the game's data as a preloaded package
# (pouncer.data and its loader pouncer.data.js), then BUILD_DIR/pouncer-web.zip
# with the same files at its root, the licence and the libraries' notices.
#
#   package.sh BUILD_DIR
#   package.sh --site DIR --omit FILE BUILD_DIR
#       a copy of the page in DIR whose data lack data/FILE, and no zip
#       (what a player sees when a file is missing)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
site=""
omit=""
while [ $# -gt 1 ]; do
  case "$1" in
    --site) site=$(realpath -m "$2"); shift 2 ;;
    --omit) omit=$2; shift 2 ;;
    *) break ;;
  esac
done
build=$(realpath "${1:?usage: package.sh [--site DIR --omit FILE] BUILD_DIR}")
source "$here/emscripten_env.sh"

for file in pouncer.js pouncer.wasm; do
  [ -f "$build/$file" ] || { echo "package.sh: $build/$file is not built" >&2; exit 1; }
done
[ -f "$root/data/calibri.ttf" ] || { echo "package.sh: data/calibri.ttf is missing (built by the game_font target)" >&2; exit 1; }
out=${site:-$build}
mkdir -p "$out"
if [ -n "$site" ]; then cp "$build/pouncer.js" "$build/pouncer.wasm" "$out/"; fi
cp "$root/engine/platform/web/page/index.html" "$out/index.html"

# The data package holds what the game loads, under the same data/ paths.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/data"
find "$root/data" -maxdepth 1 -type f \
  \( -name '*.png' -o -name '*.jpg' -o -name '*.mp3' -o -name '*.ttf' -o -name '*.cg' \) \
  -exec cp {} "$stage/data/" \;
if [ -n "$omit" ]; then
  [ -f "$stage/data/$omit" ] || { echo "package.sh: data/$omit is not among the data" >&2; exit 1; }
  rm "$stage/data/$omit"
fi
(cd "$stage" && python3 "$(em-config EMSCRIPTEN_ROOT)/tools/file_packager.py" \
   "$out/pouncer.data" --preload data --js-output="$out/pouncer.data.js" --no-node \
   2> >(grep -v "Remember to build the main file with" >&2) >/dev/null)
[ -n "$site" ] && exit 0

# The page carries these libraries inside pouncer.wasm, and the font is
# Carlito: their licences ask for their notices to go with them. Debian's
# copyright files of the same source packages hold them.
zipdir=$stage/zip
mkdir -p "$zipdir/licenses"
cp "$out/index.html" "$out/pouncer.js" "$out/pouncer.wasm" "$out/pouncer.data" \
   "$out/pouncer.data.js" "$zipdir/"
[ -f "$root/LICENSE" ] && cp "$root/LICENSE" "$zipdir/"
while read -r library package; do
  notice=/usr/share/doc/$package/copyright
  [ -f "$notice" ] || { echo "package.sh: $notice is missing (tools/deps.sh installs it)" >&2; exit 1; }
  cp "$notice" "$zipdir/licenses/$library.txt"
done <<'LIBRARIES'
zlib zlib1g
libpng libpng16-16
libjpeg-turbo libjpeg62-turbo
freetype libfreetype6
SDL2 libsdl2-2.0-0
SDL2_mixer libsdl2-mixer-2.0-0
emscripten-runtime emscripten
carlito-font fonts-crosextra-carlito
LIBRARIES
rm -f "$build/pouncer-web.zip"
(cd "$zipdir" && zip -q -X -r "$build/pouncer-web.zip" .)
echo "$build/pouncer-web.zip"
