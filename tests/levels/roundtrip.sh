#!/bin/bash
# Records a game of each level with zorbix2-sim, saves its replay and plays the
# replays back: score, steps and world hash must be the same. One call records
# every level, one plays every replay back; options before the levels go to
# both. The last replay cut short and given as a file is refused with a
# message that names the file.
# Usage: roundtrip.sh SIM STEPS [--add-script PATH=FILE]... LEVEL...
set -eu
. "$(dirname "$0")/runs.sh"
sim=$1 steps=$2
shift 2
options=()
while [ $# -gt 1 ] && [ "$1" = --add-script ]; do
    options+=("$1" "$2")
    shift 2
done
levels=("$@")
runs=()
for level in "${levels[@]}"; do
    [ ${#runs[@]} -eq 0 ] || runs+=(--then)
    runs+=("${options[@]}" --input random:3 --save-replay "$level" "$steps")
done
status=0
recorded=$("$sim" "${runs[@]}") || status=$?
echo "$recorded"
[ $status -eq 0 ] || exit $status
recorded=$(summarize_runs "$recorded")
runs=()
count=0
while IFS='|' read -r run id score rest; do
    count=$((count + 1))
    if [ -z "$id" ] || [ "$id" -lt 1 ]; then
        echo "${levels[run - 1]}: no replay was saved" >&2
        exit 1
    fi
    test -f "data/replay_local_$id.txt"
    last_id=$id
    [ ${#runs[@]} -eq 0 ] || runs+=(--then)
    runs+=("${options[@]}" --replay "$id")
done <<< "$recorded"
[ $count -eq ${#levels[@]} ] || { echo "$count of ${#levels[@]} games were recorded" >&2; exit 1; }
played=$("$sim" "${runs[@]}") || status=$?
echo "$played"
[ $status -eq 0 ] || exit $status
# The same score, steps and hash, run by run (the replay id only shows when recording).
if [ "$(echo "$recorded" | cut -d'|' -f1,3-)" != "$(summarize_runs "$played" | cut -d'|' -f1,3-)" ]; then
    echo "a playback differs from the recorded game:" >&2
    diff <(echo "$recorded" | cut -d'|' -f1,3-) <(summarize_runs "$played" | cut -d'|' -f1,3-) >&2 || true
    exit 1
fi
# The last replay cut short, given as a file: refused, by the file's own name.
head -c 100 "data/replay_local_$last_id.txt" > cut-replay.txt
if refused=$("$sim" "${options[@]}" --replay-file cut-replay.txt 2>&1); then
    echo "a cut replay file was played" >&2
    exit 1
fi
case "$refused" in
    *"cut-replay.txt is damaged"*) ;;
    *) echo "the refusal does not name the file: $refused" >&2; exit 1 ;;
esac
case "$refused" in
    *replay_web_0*) echo "the refusal names the stand-in document: $refused" >&2; exit 1 ;;
esac
