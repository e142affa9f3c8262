#!/bin/sh
# Re-simulates a pinned replay and checks its hash chain; a failure names the
# first second that differs. A file REPLAY.level next to it is put into the
# store under the replay's level path first; a file REPLAY.score holds the
# pinned "score", "steps" and "hash" lines of the end of the game.
# Usage: golden.sh SIM REPLAY
set -eu
sim=$1 replay=$2
base=${replay%.txt}
set -- --replay-file "$replay" --check-hashes "$base.hashes"
if [ -f "$base.level" ]; then
    set -- "$@" --add-script "$(head -n 1 "$replay")=$base.level"
fi
out=$("$sim" "$@")
echo "$out"
if [ -f "$base.score" ]; then
    # A sound missing from the scratch folder prints without a line end.
    got=$(echo "$out" | sed -n 's/.*\(score -*[0-9]*\)$/\1/p; s/^\(steps [0-9]*\)$/\1/p; s/^\(hash [0-9a-f]*\)$/\1/p')
    if [ "$got" != "$(cat "$base.score")" ]; then
        echo "the end of the game differs: expected" >&2
        cat "$base.score" >&2
        exit 1
    fi
fi
