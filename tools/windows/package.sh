#!/usr/bin/env bash
# Packs BUILD_DIR/pouncer-windows.zip: one folder holding both programs,
# data/, a README and the licences, ready to unzip and double-click.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(realpath "${1:?usage: package.sh BUILD_DIR}")

for program in pouncer.exe pouncer_windowed.exe; do
  [ -f "$build/$program" ] || { echo "package.sh: $build/$program is not built" >&2; exit 1; }
done
[ -f "$root/data/calibri.ttf" ] || { echo "package.sh: data/calibri.ttf is missing (built by the game_font target)" >&2; exit 1; }

stage=$build/package
folder=$stage/Pouncer
rm -rf "$stage"
mkdir -p "$folder/data"
cp "$build/pouncer.exe" "$build/pouncer_windowed.exe" "$folder/"
find "$root/data" -maxdepth 1 -type f ! -name CMakeLists.txt -exec cp {} "$folder/data/" \;
# The programs carry these libraries inside, and data/calibri.ttf is Carlito:
# their licences ask for their notices to go with them. Debian's copyright
# files of the same source packages (installed with their Linux builds)
# hold them.
mkdir -p "$folder/licenses"
while read -r library package; do
  notice=/usr/share/doc/$package/copyright
  [ -f "$notice" ] || { echo "package.sh: $notice is missing (tools/deps.sh windows installs it)" >&2; exit 1; }
  sed 's/$/\r/' "$notice" >"$folder/licenses/$library.txt"
done <<'LIBRARIES'
zlib zlib1g
libpng libpng16-16
libjpeg-turbo libjpeg62-turbo
freetype libfreetype6
SDL2 libsdl2-2.0-0
SDL2_mixer libsdl2-mixer-2.0-0
mingw-w64-runtime mingw-w64-x86-64-dev
gcc-runtime gcc-mingw-w64-base
carlito-font fonts-crosextra-carlito
LIBRARIES
sed 's/$/\r/' "$here/README.txt" >"$folder/README.txt"
# Our own licence, for the game, its art and sounds.
sed 's/$/\r/' "$root/LICENSE" >"$folder/LICENSE.txt"

rm -f "$build/pouncer-windows.zip"
(cd "$stage" && zip -q -X -r "$build/pouncer-windows.zip" Pouncer)
rm -rf "$stage"
echo "$build/pouncer-windows.zip"
