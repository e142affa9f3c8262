#!/bin/bash
# Re-simulates pinned replays, all in one zorbix2-sim call, and checks each
# one's hash chain; a failure names the first second that differs, after the
# line naming the run. A file REPLAY.level next to a replay is put into the
# store under the replay's level path first; a file REPLAY.score holds the
# pinned "score", "steps" and "hash" lines of the end of the game.
# Usage: golden.sh SIM REPLAY...
set -eu
. "$(dirname "$0")/runs.sh"
sim=$1
shift
replays=("$@")
runs=()
for replay in "${replays[@]}"; do
    base=${replay%.txt}
    [ ${#runs[@]} -eq 0 ] || runs+=(--then)
    runs+=(--replay-file "$replay" --check-hashes "$base.hashes")
    if [ -f "$base.level" ]; then
        runs+=(--add-script "$(head -n 1 "$replay")=$base.level")
    fi
done
status=0
out=$("$sim" "${runs[@]}") || status=$?
echo "$out"
count=0
while IFS='|' read -r run replay score steps hash result; do
    count=$((count + 1))
    base=${replays[run - 1]%.txt}
    if [ -f "$base.score" ] && [ "$(printf 'score %s\nsteps %s\nhash %s' "$score" "$steps" "$hash")" != "$(cat "$base.score")" ]; then
        echo "$(basename "$base"): the end of the game differs: expected" >&2
        cat "$base.score" >&2
        status=1
    fi
done <<< "$(summarize_runs "$out")"
[ $count -eq ${#replays[@]} ] || { echo "$count of ${#replays[@]} replays ran" >&2; exit 1; }
exit $status
