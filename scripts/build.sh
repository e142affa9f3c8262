#!/usr/bin/env bash
# Configures and builds one build tree.
# usage: scripts/build.sh [normal|sanitize]   (build/ or build-sanitize/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-normal}
jobs=$(nproc)
case "$kind" in
  normal)   dir="$root/build";          flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  sanitize) dir="$root/build-sanitize"; flags=(-DCMAKE_BUILD_TYPE=Debug -DZORBIX_SANITIZE=ON) ;;
  *) echo "usage: $0 [normal|sanitize]" >&2; exit 2 ;;
esac
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$root" -B "$dir" -G Ninja "${flags[@]}"
fi
cmake --build "$dir" -j "$jobs"
