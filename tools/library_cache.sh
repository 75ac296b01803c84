# Sourced by tools/windows/build_deps.sh and tools/web/build_deps.sh: a cache
# of static libraries built from Debian's source packages for one target.
#
# The sourcing script sets `cache` (the cache folder), `what` (the target's
# name in messages) and `compiler` (its compiler's version line), defines
# build_NAME for each library, and calls
#
#   library_cache_open FILE...   prints the folder and exits when a build with
#                                these source versions, this compiler and
#                                these files (the scripts that decide the
#                                build) is cached; else takes the cache's lock
#                                and prepares `work` and `stage`
#   library_cache_build LANE...  builds the libraries, each LANE a list of
#                                names built in order, the lanes side by side;
#                                installs the stage as the folder and prints it
#
# Inside build_NAME, `unpacked NAME` unpacks a source package into the work
# folder and names its folder.

library_sources=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/windows/debian_sources.sh

library_cache_open() {
  versions=$("$library_sources" versions)
  local gtest_version scripts key
  gtest_version=$(dpkg-query -W -f='${Version}' googletest)
  scripts=$(cat "$@" "${BASH_SOURCE[0]}" "$library_sources" | sha256sum | cut -c1-16)
  manifest=$(printf '%s\ngoogletest %s\ncompiler %s\nscripts %s\n' \
    "$versions" "$gtest_version" "$compiler" "$scripts")
  key=$(sha256sum <<<"$manifest" | cut -c1-16)
  prefix=$cache/$key

  if [ -f "$prefix/manifest.txt" ]; then
    echo "$prefix"
    exit 0
  fi
  # Two builds at once (two clones, two make runs) share the cache: the
  # second waits for the first and then finds its result.
  mkdir -p "$cache"
  exec 9>"$cache/$key.lock"
  flock 9
  if [ -f "$prefix/manifest.txt" ]; then
    echo "$prefix"
    exit 0
  fi

  work=$cache/work-$key
  stage=$cache/$key.partial
  rm -rf "$work" "$stage"
  mkdir -p "$work" "$stage"
  echo "Building the $what libraries into $prefix (logs in $work)" >&2
}

unpacked() {
  local version
  version=$(awk -v p="$1" '$1 == p {print $2}' <<<"$versions")
  "$library_sources" unpack "$1" "$version" "$work/src-$1" >&2
  echo "$work/src-$1"
}

# run NAME: one library, its output in a log shown only when it fails.
# Never called as part of a && or || list: bash ignores errexit inside
# anything run there, and a failed step would go unnoticed.
run() {
  local log=$work/$1.log start=$SECONDS
  # In the background, so that the build function is not part of a list either.
  "build_$1" >"$log" 2>&1 &
  if wait $!; then
    echo "  $1: $((SECONDS - start)) s" >&2
  else
    echo "Building $1 failed; the end of $log:" >&2
    tail -n 40 "$log" >&2
    return 1
  fi
}

library_cache_build() {
  # Each lane a subshell in the background, where errexit holds.
  local lane name pid pids=() status=0
  for lane in "$@"; do
    (for name in $lane; do run "$name"; done) &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do
    wait "$pid" || status=1
  done
  [ "$status" -eq 0 ] || exit 1

  printf '%s' "$manifest" >"$stage/manifest.txt"
  mv "$stage" "$prefix"
  rm -rf "$work"
  echo "$prefix"
}
