#!/usr/bin/env bash
# Builds the fuzzing harnesses of tests/fuzz in the sanitizer tree,
# build-sanitize/ (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer;
# see scripts/build.sh), and runs them all at once, each for the given seconds
# (default 60). Seeds come from tests/fuzz/corpus/<harness>/, new inputs go to
# build-sanitize/fuzz/corpus/<harness>/, crashes to build-sanitize/fuzz/artifacts/.
# A crash, leak, time-out or memory overrun fails the script.
# ZORBIX_FUZZ_SEED=N fixes libFuzzer's random seed, so that a short run (the
# one scripts/test.sh makes) takes the same path every time.
# usage: scripts/fuzz.sh [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
dir="$root/build-sanitize/fuzz"
harnesses=()
for source in "$root"/tests/fuzz/fuzz_*.cpp; do
  harnesses+=("$(basename "$source" .cpp)")
done
"$root/scripts/build.sh" sanitize "${harnesses[@]}"

mkdir -p "$dir/artifacts" "$dir/logs"
seed_option=()
[ -n "${ZORBIX_FUZZ_SEED:-}" ] && seed_option=(-seed="$ZORBIX_FUZZ_SEED")
pids=()
for h in "${harnesses[@]}"; do
  mkdir -p "$dir/corpus/$h" "$root/tests/fuzz/corpus/$h"
  "$dir/$h" "$dir/corpus/$h" "$root/tests/fuzz/corpus/$h" \
    -max_total_time="$seconds" -rss_limit_mb=512 -timeout=20 \
    -artifact_prefix="$dir/artifacts/$h-" -print_final_stats=1 "${seed_option[@]}" \
    >"$dir/logs/$h.log" 2>&1 &
  pids+=($!)
done
status=0
failed=0
for i in "${!harnesses[@]}"; do
  h=${harnesses[$i]}
  if wait "${pids[$i]}"; then
    runs=$(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$dir/logs/$h.log" | grep -o '[0-9]*$' || echo '?')
    rate=$(grep -m1 -o 'stat::average_exec_per_sec: *[0-9]*' "$dir/logs/$h.log" | grep -o '[0-9]*$' || echo '?')
    echo "== fuzz $h: clean, $runs runs, $rate a second"
  else
    status=1
    failed=$((failed + 1))
    echo "== fuzz $h: FAILED (log: $dir/logs/$h.log)"
    tail -n 40 "$dir/logs/$h.log"
  fi
done
echo "fuzz: $((${#harnesses[@]} - failed)) passed, $failed failed"
exit $status
