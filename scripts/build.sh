#!/usr/bin/env bash
# Configures and builds one build tree.
# usage: scripts/build.sh [normal|sanitize] [target...]
#   normal:   build/, GCC, RelWithDebInfo (the game as the player runs it)
#   sanitize: build-sanitize/, clang, AddressSanitizer + UndefinedBehaviorSanitizer,
#             and the libFuzzer harnesses of tests/fuzz (scripts/fuzz.sh runs them)
# Any further arguments name the targets to build; by default, all of them.
# Choices taken from the environment, each passed to CMake only when it is set:
#   ZORBIX_WERROR=ON|OFF  warnings of our own code are errors (CI's builds)
#   ZORBIX_LTO=ON|OFF     link-time optimisation of the game, the simulator and
#                         the benchmarks (on by default in the normal tree)
#   ZORBIX_PGO=ON|OFF     with link-time optimisation, profile-guided optimisation
#                         of the engine and Lua, for benchmarks (off by default;
#                         see docs/developing.md)
# A tree is configured again when a choice given differs from the tree's; a
# choice not given keeps what the tree has (the default in a new tree), so that
# scripts/play.sh builds the game in whatever tree scripts/test.sh left.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-normal}
targets=("${@:2}")
# As many jobs as this process may use: nproc follows the CPU affinity mask.
jobs=$(nproc)
case "$kind" in
  normal)
    dir="$root/build"
    flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
    compiler=GNU
    ;;
  sanitize)
    # -O1 keeps the sanitizers' reports exact while the tests and the
    # harnesses run at a useful speed; asserts stay on.
    dir="$root/build-sanitize"
    flags=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS_DEBUG="-g -O1" -DCMAKE_CXX_FLAGS_DEBUG="-g -O1"
           -DZORBIX_SANITIZE=ON -DZORBIX_FUZZ=ON)
    compiler=Clang
    export CC=clang CXX=clang++
    ;;
  *) echo "usage: $0 [normal|sanitize] [target...]" >&2; exit 2 ;;
esac
reconfigure=0
[ -f "$dir/build.ninja" ] || reconfigure=1
for choice in ZORBIX_WERROR ZORBIX_LTO ZORBIX_PGO; do
  value=${!choice:-}
  [ -n "$value" ] || continue
  flags+=(-D"$choice=$value")
  [ -f "$dir/CMakeCache.txt" ] && ! grep -qx "$choice:BOOL=$value" "$dir/CMakeCache.txt" && reconfigure=1
done
# A tree made by another compiler (the sanitizer tree used to be GCC's) starts
# over: CMake cannot change the compiler of a configured tree.
if [ -f "$dir/CMakeCache.txt" ] && [ -f "$dir/build.ninja" ] &&
   ! grep -rqs "CMAKE_CXX_COMPILER_ID \"$compiler\"" "$dir"/CMakeFiles/*/CMakeCXXCompiler.cmake; then
  echo "== $dir was configured for another compiler: configuring it afresh"
  rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles" "$dir/build.ninja"
  reconfigure=1
fi
# A compiler cache, when installed, serves rebuilds and other checkouts of the
# same sources: paths below the checkout are hashed relative to it. The test
# programs' precompiled header is made during the build, which the cache takes
# only with these sloppiness settings.
if command -v ccache >/dev/null; then
  sloppiness=pch_defines,time_macros,include_file_mtime,include_file_ctime
  launcher="env;CCACHE_BASEDIR=$root;CCACHE_NOHASHDIR=1;CCACHE_SLOPPINESS=$sloppiness;ccache"
  flags+=(-DCMAKE_C_COMPILER_LAUNCHER="$launcher" -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher")
fi
if [ $reconfigure = 1 ]; then
  cmake -S "$root" -B "$dir" -G Ninja "${flags[@]}"
fi
cmake --build "$dir" -j "$jobs" ${targets[@]+--target "${targets[@]}"}
