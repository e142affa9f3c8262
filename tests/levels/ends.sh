#!/bin/sh
# An infinity level ends on its own when nobody plays: under neutral input the
# game is over (lives or clock) before STEPS steps, so an idle player cannot
# leave a game running for ever.
# Usage: ends.sh SIM LEVEL STEPS
set -eu
out=$("$1" --input neutral "$2" "$3")
echo "$out"
steps=$(echo "$out" | sed -n 's/^steps \([0-9]*\)$/\1/p')
if [ -z "$steps" ] || [ "$steps" -ge "$3" ]; then
    echo "the level was still running after $3 steps" >&2
    exit 1
fi
