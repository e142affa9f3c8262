#!/bin/sh
# Runs a level with zorbix2-sim, first without input, then with random input;
# a script error ends the simulation with status 1 and its message.
# Usage: smoke.sh SIM LEVEL STEPS
set -eu
"$1" --input neutral "$2" "$3"
"$1" --input random:1 "$2" "$3"
