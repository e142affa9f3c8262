#!/usr/bin/env bash
# Sets up the machine, builds the game and starts it in its working directory.
# Only the game is built (with its embedded scripts, its sounds and its music),
# not the tests and benchmarks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" normal zorbix2
cd "$root/build/game"
# ZORBIX_LEVEL, ZORBIX_REPLAY and ZORBIX_REPLAY_WEB reach the game with the environment.
exec ./zorbix2
