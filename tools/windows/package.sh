#!/usr/bin/env bash
# Packs BUILD_DIR/pouncer-windows.zip: one folder holding both programs,
# data/ and a README, ready to unzip and double-click.
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
# The font is Carlito, under the SIL Open Font License, which travels with it.
cp /usr/share/doc/fonts-crosextra-carlito/copyright "$folder/data/calibri-license.txt"
sed 's/$/\r/' "$here/README.txt" >"$folder/README.txt"

rm -f "$build/pouncer-windows.zip"
(cd "$stage" && zip -q -X -r "$build/pouncer-windows.zip" Pouncer)
rm -rf "$stage"
echo "$build/pouncer-windows.zip"
