#!/usr/bin/env bash
# Configures and builds one build tree.
# usage: scripts/build.sh [normal|sanitize]   (build/ or build-sanitize/)
# ZORBIX_WERROR=ON in the environment makes warnings errors (CI's builds); the
# tree is configured again whenever that choice changes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-normal}
# Any further arguments name the targets to build; by default, all of them.
targets=("${@:2}")
jobs=$(nproc)
case "$kind" in
  normal)   dir="$root/build";          flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  sanitize) dir="$root/build-sanitize"; flags=(-DCMAKE_BUILD_TYPE=Debug -DZORBIX_SANITIZE=ON) ;;
  *) echo "usage: $0 [normal|sanitize]" >&2; exit 2 ;;
esac
werror=${ZORBIX_WERROR:-OFF}
flags+=(-DZORBIX_WERROR="$werror")
# A compiler cache, when installed, serves rebuilds and other checkouts of the
# same sources: paths below the checkout are hashed relative to it.
if command -v ccache >/dev/null; then
  launcher="env;CCACHE_BASEDIR=$root;CCACHE_NOHASHDIR=1;ccache"
  flags+=(-DCMAKE_C_COMPILER_LAUNCHER="$launcher" -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher")
fi
if [ ! -f "$dir/build.ninja" ] || ! grep -qx "ZORBIX_WERROR:BOOL=$werror" "$dir/CMakeCache.txt"; then
  cmake -S "$root" -B "$dir" -G Ninja "${flags[@]}"
fi
cmake --build "$dir" -j "$jobs" ${targets[@]+--target "${targets[@]}"}
