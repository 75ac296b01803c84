#!/usr/bin/env bash
# The one list of Debian packages that building, running and testing need.
# Installs whichever are missing: as root with apt-get, otherwise with sudo,
# otherwise prints the exact command and fails. Quick when nothing is missing.
#
#   tools/deps.sh            what `make`, `make run` and `make test` need
#   tools/deps.sh assets     also what tools/assets/ needs to regenerate data/
#   tools/deps.sh fuzz       also what the fuzz targets need
#   tools/deps.sh windows    also what cross-building for Windows needs
#   tools/deps.sh wine       also what running the Windows programs needs
#   tools/deps.sh web        also what building for the browser needs
#   tools/deps.sh webtest    also what testing the browser build needs
set -euo pipefail

required=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-mixer-dev libfreetype-dev libpng-dev libjpeg-dev zlib1g-dev
  libglu1-mesa-dev libgl1-mesa-dri
  libglut-dev libegl-dev libegl-mesa0 libopengl-dev
  xvfb xauth xdotool x11-apps x11-utils imagemagick
  fonts-crosextra-carlito
  libgtest-dev libstb-dev
  python3
  dpkg-dev file desktop-file-utils appstream
)
assets=(python3-pil python3-numpy lame)
fuzz=(clang libclang-rt-14-dev)
windows=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
         binutils-mingw-w64-x86-64 nasm ninja-build dpkg-dev googletest zip)
wine=(wine wine64)
web=(emscripten ninja-build dpkg-dev googletest zip)
webtest=(chromium)

wanted=("${required[@]}")
for group in "$@"; do
  case "$group" in
    assets) wanted+=("${assets[@]}") ;;
    fuzz) wanted+=("${fuzz[@]}") ;;
    windows) wanted+=("${windows[@]}") ;;
    wine) wanted+=("${wine[@]}") ;;
    web) wanted+=("${web[@]}") ;;
    # npm comes with Debian's nodejs or another Node.js distribution's.
    webtest) wanted+=("${webtest[@]}"); command -v npm >/dev/null 2>&1 || wanted+=(npm) ;;
    *) echo "deps.sh: unknown group '$group' (known: assets, fuzz, windows, wine, web, webtest)" >&2; exit 2 ;;
  esac
done

# dpkg-query fails for packages it has never heard of: that only means missing.
installed=$( (dpkg-query -W -f='${Package} ${db:Status-Abbrev}\n' "${wanted[@]}" 2>/dev/null || true) \
  | awk '$2 ~ /^ii/ {print $1}')
missing=()
for p in "${wanted[@]}"; do
  grep -qx "$p" <<<"$installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if [ "$(id -u)" -eq 0 ]; then
  apt-get -o DPkg::Lock::Timeout=600 update -qq && apt-get -o DPkg::Lock::Timeout=600 install -y -qq "${missing[@]}"
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  sudo -n apt-get -o DPkg::Lock::Timeout=600 update -qq && sudo -n DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq "${missing[@]}"
else
  echo "Cannot install packages without root. Run:" >&2
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
