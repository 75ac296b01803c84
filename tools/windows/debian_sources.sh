#!/usr/bin/env bash
# Debian's own source packages of the libraries the Windows programs link.
#
#   debian_sources.sh versions          prints "NAME VERSION" per package: the
#                                       newest version apt knows whose files the
#                                       archive serves, downloaded into the
#                                       cache once
#   debian_sources.sh unpack NAME VER DIR
#                                       unpacks a downloaded version with
#                                       Debian's patches applied
#
# Adds a deb-src entry for the archive the system already uses when there is
# none, so nothing comes from anywhere but Debian.
set -euo pipefail

packages=(zlib libpng1.6 libjpeg-turbo freetype libsdl2 libsdl2-mixer)
cache=${ZEPHRA_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zephra-windows-deps}
entry=/etc/apt/sources.list.d/zephra-deb-src.sources

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"
  elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then sudo -n "$@"
  else
    echo "debian_sources.sh: needs root for: $*" >&2
    return 1
  fi
}

has_sources() { apt-cache showsrc zlib 2>/dev/null | grep -q '^Version:'; }

# Same URIs, suites and keyring as the binary entries, for source packages.
add_deb_src() {
  local binary=/etc/apt/sources.list.d/debian.sources
  if [ ! -f "$binary" ]; then
    echo "debian_sources.sh: no $binary to copy a deb-src entry from." >&2
    echo "Add a deb-src line for your Debian 12 mirror, run apt-get update, and retry." >&2
    return 1
  fi
  if [ ! -f "$entry" ]; then
    echo "Adding $entry (Debian's source packages) and updating apt's lists" >&2
    sed 's/^Types: deb$/Types: deb-src/' "$binary" | as_root tee "$entry" >/dev/null || {
      echo "Run as root: sed 's/^Types: deb\$/Types: deb-src/' $binary > $entry && apt-get update" >&2
      return 1; }
  fi
  as_root apt-get -o DPkg::Lock::Timeout=600 update -qq >&2
}

# All versions apt's lists name, newest first.
known_versions() {
  apt-cache showsrc --only-source "$1" 2>/dev/null | awk '/^Version:/ {print $2}' | sort -u | {
    local all=() v i j t
    while read -r v; do all+=("$v"); done
    for ((i = 0; i < ${#all[@]}; i++)); do
      for ((j = i + 1; j < ${#all[@]}; j++)); do
        if dpkg --compare-versions "${all[j]}" gt "${all[i]}"; then
          t=${all[i]}; all[i]=${all[j]}; all[j]=$t
        fi
      done
    done
    printf '%s\n' "${all[@]}"
  }
}

downloads_of() { echo "$cache/sources/$1-$2"; }

# A mirror may list a security update whose files it does not carry yet:
# the download fails and the next older version is tried. The miss is
# remembered for a day, so that a build with everything cached stays quick.
download() {
  local name=$1 version=$2 dir
  dir=$(downloads_of "$name" "$version")
  [ -f "$dir/.complete" ] && return 0
  if [ -n "$(find "$dir.unserved" -mmin -1440 2>/dev/null)" ]; then return 1; fi
  rm -rf "$dir" && mkdir -p "$dir"
  if (cd "$dir" && apt-get source --download-only -qq "$name=$version" >/dev/null 2>&1); then
    touch "$dir/.complete"
    rm -f "$dir.unserved"
  else
    rm -rf "$dir"
    touch "$dir.unserved"
    echo "debian_sources.sh: $name $version is listed but not served; trying an older one" >&2
    return 1
  fi
}

versions() {
  has_sources || add_deb_src
  local p v found
  for p in "${packages[@]}"; do
    found=""
    for v in $(known_versions "$p"); do
      if download "$p" "$v"; then found=$v; break; fi
    done
    if [ -z "$found" ]; then
      echo "debian_sources.sh: no source package '$p' can be downloaded" >&2
      return 1
    fi
    echo "$p $found"
  done
}

unpack() {
  local name=$1 version=$2 dir=$3
  local dsc
  dsc="$(downloads_of "$name" "$version")/${name}_${version#*:}.dsc"
  if [ ! -f "$dsc" ]; then
    echo "debian_sources.sh: $name $version is not downloaded (run '$0 versions')" >&2
    return 1
  fi
  rm -rf "$dir"
  dpkg-source --no-check -x "$dsc" "$dir" >/dev/null
}

case "${1:-}" in
  versions) versions ;;
  unpack) [ $# -eq 4 ] || { echo "usage: $0 unpack NAME VERSION DIR" >&2; exit 2; }; unpack "$2" "$3" "$4" ;;
  *) echo "usage: $0 versions | unpack NAME VERSION DIR" >&2; exit 2 ;;
esac
