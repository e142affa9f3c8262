#!/bin/sh
# Runs a level with zorbix2-sim, first without input, then with random input;
# a script error ends the simulation with status 1 and its message. Options
# after STEPS go to both runs (--replay-rules for an infinity level).
# Usage: smoke.sh SIM LEVEL STEPS [OPTION]...
set -eu
sim=$1 level=$2 steps=$3
shift 3
"$sim" --input neutral "$@" "$level" "$steps"
"$sim" --input random:1 "$@" "$level" "$steps"
