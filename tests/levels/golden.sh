#!/bin/sh
# Re-simulates a pinned replay and checks its hash chain; a failure names the
# first second that differs. A file REPLAY.level next to it is put into the
# store under the replay's level path first.
# Usage: golden.sh SIM REPLAY
set -eu
sim=$1 replay=$2
base=${replay%.txt}
set -- --replay-file "$replay" --check-hashes "$base.hashes"
if [ -f "$base.level" ]; then
    set -- "$@" --add-script "$(head -n 1 "$replay")=$base.level"
fi
exec "$sim" "$@"
