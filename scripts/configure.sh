# Sourced by the build scripts from the top of the tree: the compiler cache every build goes
# through, and tessra_configure, the one cmake line they all configure a tree with.
# shellcheck shell=bash

if ! command -v ccache >/dev/null; then
  echo "$0: ccache is not installed; scripts/setup installs it with the rest" >&2
  exit 1
fi

# The cache stays where this machine keeps it (CCACHE_DIR, the user's setting, or ~/.cache/ccache);
# these settings only live in the scripts' environment, never in the user's ccache.conf.
# Paths below the top of the tree are hashed relative to it and the build folder is left out of
# the hash, so a clone elsewhere hits what another clone compiled.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
export CCACHE_NOHASHDIR=1

# Bytes, from ccache's size notation: "5.0G", "500M", "30 GiB"; 0 is no limit.
ccache_bytes() {
  awk '{ s = $0; gsub(/[ B]/, "", s); f = 1
         if (s ~ /[KMGT]i/) { b = 1024 } else { b = 1000 }
         if (s ~ /[kK]/) f = b; else if (s ~ /M/) f = b^2; else if (s ~ /G/) f = b^3; else if (s ~ /T/) f = b^4
         printf "%.0f\n", (s + 0) * f }' <<<"$1"
}

# scripts/test's four trees take 0.15 GB of cache together; 1 GB keeps them while the tree grows
# several times over. A larger limit of the user's own is kept.
tessra_cache_size=1G
cache_limit=$(ccache_bytes "$(ccache -k max_size)")
if [[ $cache_limit -ne 0 && $cache_limit -lt $(ccache_bytes "$tessra_cache_size") ]]; then
  export CCACHE_MAXSIZE=$tessra_cache_size
fi
unset cache_limit

# tessra_configure BUILD [CMAKE_ARGS...]: TESSRA_CMAKE_ARGS come after the arguments given, so a
# person's own choice wins.
tessra_configure() {
  local build=$1
  shift
  # shellcheck disable=SC2086 # TESSRA_CMAKE_ARGS is a list of words
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" ${TESSRA_CMAKE_ARGS:-}
}
