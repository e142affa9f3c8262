#!/bin/sh
# Records a game of a level with zorbix2-sim, saves its replay and plays the
# replay back: score, steps and world hash must be the same. The replay cut
# short and given as a file is refused with a message that names the file.
# Usage: roundtrip.sh SIM LEVEL STEPS [--add-script PATH=FILE]
set -eu
sim=$1 level=$2 steps=$3
shift 3
recorded=$("$sim" "$@" --input random:3 --save-replay "$level" "$steps")
echo "$recorded"
# Other output may share a line with these, so they are found at the ends of lines.
id=$(echo "$recorded" | sed -n 's/.*score -*[0-9]*, replay \([0-9-]*\)$/\1/p; s/.*replay \([0-9-]*\)$/\1/p' | head -n 1)
if [ -z "$id" ] || [ "$id" -lt 1 ]; then
    echo "no replay was saved" >&2
    exit 1
fi
test -f "data/replay_local_$id.txt"
played=$("$sim" "$@" --replay "$id")
echo "$played"
summary() { echo "$1" | grep -oE '(score|steps|hash) [-0-9a-f]+$'; }
if [ "$(summary "$recorded")" != "$(summary "$played")" ]; then
    echo "the playback differs from the recorded game" >&2
    exit 1
fi
# The same replay cut short, given as a file: refused, by the file's own name.
head -c 100 "data/replay_local_$id.txt" > cut-replay.txt
if refused=$("$sim" "$@" --replay-file cut-replay.txt 2>&1); then
    echo "a cut replay file was played" >&2
    exit 1
fi
case "$refused" in
    *"cut-replay.txt is not a playable replay"*) ;;
    *) echo "the refusal does not name the file: $refused" >&2; exit 1 ;;
esac
case "$refused" in
    *replay_web_0*) echo "the refusal names the stand-in document: $refused" >&2; exit 1 ;;
esac
