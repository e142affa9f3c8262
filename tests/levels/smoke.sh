#!/bin/bash
# Runs levels with zorbix2-sim, each first without input, then with random
# input, all in one call; a script error ends the simulation with status 1
# and its message, after the line naming the run. Options before the levels
# go to every run (--replay-rules for infinity levels).
# Usage: smoke.sh SIM STEPS [--OPTION]... LEVEL...
set -eu
sim=$1 steps=$2
shift 2
options=()
while [ $# -gt 0 ] && [ "${1#--}" != "$1" ]; do
    options+=("$1")
    shift
done
runs=()
for level in "$@"; do
    for input in neutral random:1; do
        [ ${#runs[@]} -eq 0 ] || runs+=(--then)
        runs+=(--input "$input" "${options[@]}" "$level" "$steps")
    done
done
"$sim" "${runs[@]}"
