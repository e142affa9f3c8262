#!/usr/bin/env bash
# Sets up the machine, then builds and runs every test twice: in the normal build
# and in the AddressSanitizer + UndefinedBehaviorSanitizer build. Each test
# program runs whole (the longest split into a few entries), its cases in
# shuffled order; the seed is printed first, and GTEST_RANDOM_SEED=N repeats
# an order.
# Then every fuzzing harness runs for 30 seconds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
echo "== formatting (scripts/check-format.sh)"
"$root/scripts/check-format.sh" || { echo "unformatted files above: run clang-format -i on them" >&2; exit 1; }
jobs=$(nproc)
status=0
for kind in normal sanitize; do
  "$root/scripts/build.sh" "$kind"
  dir="$root/build"; [ "$kind" = sanitize ] && dir="$root/build-sanitize"
  echo "== tests ($kind build)"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" || status=1
done
echo "== fuzzing"
ZORBIX_FUZZ_SEED=1 "$root/scripts/fuzz.sh" 30 || status=1
exit $status
