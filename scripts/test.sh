#!/usr/bin/env bash
# Sets up the machine, then builds and runs every test twice: in the normal build
# and in the AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
jobs=$(nproc)
export ALSOFT_DRIVERS=null
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
for kind in normal sanitize; do
  "$root/scripts/build.sh" "$kind"
  dir="$root/build"; [ "$kind" = sanitize ] && dir="$root/build-sanitize"
  echo "== tests ($kind build)"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" || status=1
done
exit $status
