#!/usr/bin/env bash
# Sets up the machine, then builds and runs every test twice: in the normal build
# and in the AddressSanitizer + UndefinedBehaviorSanitizer build, both with
# warnings as errors. Each test program runs whole (the longest split into a
# few entries), its cases in shuffled order; the seed is printed first, and
# GTEST_RANDOM_SEED=N repeats an order.
# Then every fuzzing harness (built in the sanitizer tree) runs for 30 seconds.
# Each phase ends with a line "-- <phase>: wall W s, cpu C s" (the CPU time of
# its child processes, user + system).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
phase_start=$SECONDS
phase_cpu=0
# The CPU seconds of every child so far, user + system.
# (times runs in this shell: in a pipe or $(...) it would see a fresh
# subshell's.)
times_file=$(mktemp)
trap 'rm -f "$times_file"' EXIT
phase_done() {
  local children_cpu
  times >"$times_file"
  children_cpu=$(tail -n 1 "$times_file" | awk '{
    for (i = 1; i <= 2; i++) { split($i, t, /[ms]/); sum += t[1] * 60 + t[2] }
    printf "%d", sum }')
  echo "-- $1: wall $((SECONDS - phase_start)) s, cpu $((children_cpu - phase_cpu)) s"
  phase_start=$SECONDS
  phase_cpu=$children_cpu
}
"$root/scripts/setup.sh"
phase_done setup
echo "== formatting (scripts/check-format.sh)"
"$root/scripts/check-format.sh" || { echo "unformatted files above: run clang-format -i on them" >&2; exit 1; }
phase_done format
echo "== include order (scripts/check-includes.sh)"
"$root/scripts/check-includes.sh" || { echo "includes above run against the order of src/ folders" >&2; exit 1; }
phase_done "include order"
jobs=$(nproc)
status=0
# No link-time optimisation: the tests link plain code, and its links are
# minutes of CI. The sanitizer tree also builds the fuzzing harnesses.
for kind in normal sanitize; do
  ZORBIX_WERROR=ON ZORBIX_LTO=OFF "$root/scripts/build.sh" "$kind"
  phase_done "build ($kind)"
  dir="$root/build"; [ "$kind" = sanitize ] && dir="$root/build-sanitize"
  echo "== tests ($kind build)"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" || status=1
  phase_done "tests ($kind)"
done
echo "== fuzzing"
ZORBIX_FUZZ_SEED=1 "$root/scripts/fuzz.sh" 30 || status=1
phase_done fuzz
exit $status
