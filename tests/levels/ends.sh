#!/bin/bash
# Infinity levels end on their own when nobody plays: under neutral input each
# game is over (lives or clock) before STEPS steps, so an idle player cannot
# leave a game running for ever. One zorbix2-sim call runs every level.
# Usage: ends.sh SIM STEPS LEVEL...
set -eu
. "$(dirname "$0")/runs.sh"
sim=$1 limit=$2
shift 2
runs=()
for level in "$@"; do
    [ ${#runs[@]} -eq 0 ] || runs+=(--then)
    runs+=(--input neutral "$level" "$limit")
done
status=0
out=$("$sim" "${runs[@]}") || status=$?
echo "$out"
[ $status -eq 0 ] || exit $status
failed=0
levels=("$@")
count=0
while IFS='|' read -r run replay score steps hash status; do
    count=$((count + 1))
    if [ -z "$steps" ] || [ "$steps" -ge "$limit" ]; then
        echo "${levels[run - 1]}: the level was still running after $limit steps" >&2
        failed=1
    fi
done <<< "$(summarize_runs "$out")"
[ $count -eq $# ] || { echo "$count of $# runs ended" >&2; exit 1; }
exit $failed
