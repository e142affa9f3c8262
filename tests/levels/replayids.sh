#!/bin/sh
# zorbix2-sim's replay ids and its standard output, in a scratch folder whose
# app/native/ holds no sounds: every id the game saves (1 up to 2147483647) is
# taken and nothing else is; the step count keeps its cap; a replay played
# back prints exactly its result lines, and nothing on the standard error
# stream: the simulator makes no sound, so neither a missing sound nor a
# machine without an audio device is told.
# Usage: replayids.sh SIM REPLAY   (REPLAY.score holds the replay's result lines)
set -u
sim=$1 replay=$2
failed=0
fail() { echo "$*"; failed=1; }
for id in 0 -1 2147483648 99999999999 12x ""; do
    "$sim" --replay "$id" > /dev/null 2>&1
    status=$?
    [ $status -eq 2 ] || fail "--replay '$id': status $status, not the usage's 2"
done
"$sim" /data/levels/infinity/assault/assault.lua 100000001 > /dev/null 2>&1
[ $? -eq 2 ] || fail "a step count over 100,000,000 was taken"
err=$("$sim" --replay 2147483647 2>&1 > /dev/null)
status=$?
case "$err" in
    *"replay_local_2147483647.txt does not exist"*) [ $status -eq 1 ] || fail "missing replay: status $status" ;;
    *) fail "missing replay: $err" ;;
esac
cp "$replay" data/replay_local_2147483647.txt
out=$(ALSOFT_DRIVERS=none_such "$sim" --replay 2147483647 2> errors.txt)
status=$?
[ $status -eq 0 ] || fail "--replay 2147483647: status $status: $(cat errors.txt)"
[ "$out" = "$(cat "${replay%.txt}.score")" ] || fail "--replay 2147483647 printed: $out"
[ ! -s errors.txt ] || fail "--replay 2147483647 wrote on the standard error: $(cat errors.txt)"
exit $failed
