#!/usr/bin/env bash
# Sets up the machine, then builds and runs every test twice: in the normal build
# and in the AddressSanitizer + UndefinedBehaviorSanitizer build, both with
# warnings as errors. In the normal
# build every test program also runs whole, in shuffled order, twice: with a
# fixed seed and with a random one (both printed, so a failure can be replayed
# with --gtest_shuffle --gtest_random_seed=N).
# Then every fuzzing harness runs for 30 seconds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
echo "== formatting (scripts/check-format.sh)"
"$root/scripts/check-format.sh" || { echo "unformatted files above: run clang-format -i on them" >&2; exit 1; }
echo "== include order (scripts/check-includes.sh)"
"$root/scripts/check-includes.sh" || { echo "includes above run against the order of src/ folders" >&2; exit 1; }
jobs=$(nproc)
status=0
for kind in normal sanitize; do
  ZORBIX_WERROR=ON "$root/scripts/build.sh" "$kind"
  dir="$root/build"; [ "$kind" = sanitize ] && dir="$root/build-sanitize"
  echo "== tests ($kind build)"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" || status=1
  if [ "$kind" = normal ]; then
    random_seed=$(( (RANDOM % 99999) + 1 ))
    for seed in 2026 "$random_seed"; do
      echo "== whole test programs, shuffled with seed $seed"
      for program in "$dir"/tests/test_*; do
        [ -x "$program" ] || continue
        echo "-- $(basename "$program") --gtest_shuffle --gtest_random_seed=$seed"
        (cd "$dir/game" && ZORBIX_HEADLESS=1 ALSOFT_DRIVERS=null \
           "$program" --gtest_shuffle --gtest_random_seed="$seed" --gtest_brief=1) || status=1
      done
    done
  fi
done
echo "== fuzzing"
ZORBIX_FUZZ_SEED=1 "$root/scripts/fuzz.sh" 30 || status=1
exit $status
