#!/bin/sh
# What zorbix2-sim records and how a run ends:
# - a campaign level won undrawn records the time the game would, the same as
#   with --draw (never 0, which would beat every real time);
# - a run whose game quick-paused for good (every finger lifted, Auto-pause
#   on) says so and ends with status 1;
# - a hash chain that differs is named with the first second that differs,
#   status 3;
# - a replay file whose copy into data/ cannot be saved is told as a failed
#   save, status 1.
# Usage: outcomes.sh SIM
set -u
sim=$1
failed=0
fail() { echo "$*"; failed=1; }
intro="/data/levels/campaign0/cannon intro/cannon intro.lua"

# The best time recorded for Cannon Intro at difficulty 0 by a run.
recorded_time() {
    rm -f data/achievements.txt
    "$sim" "$@" > /dev/null 2> errors.txt || fail "$*: status $?: $(cat errors.txt)"
    grep -F "\"$intro\", true, " data/achievements.txt | sed 's/.*, true, \([0-9-]*\),.*/\1/'
}
undrawn=$(recorded_time --input pilot 0 6000)
drawn=$(recorded_time --draw --input pilot 0 6000)
[ -n "$undrawn" ] && [ "$undrawn" -gt 0 ] || fail "undrawn win recorded the time \"$undrawn\""
[ "$undrawn" = "$drawn" ] || fail "undrawn win recorded $undrawn, drawn $drawn"

# Both fingers down, then lifted for good at step 200.
printf '0 300 300 700 300\n200 -1 -1 -1 -1\n' > lifted.txt
out=$("$sim" --input lifted.txt 1001 600 2> errors.txt)
status=$?
[ $status -eq 1 ] || fail "paused for good: status $status"
echo "$out" | grep -qx "steps 201" || fail "paused for good: printed $out"
want="$sim: stopped at step 201 of 600: every finger was lifted with Auto-pause on, and the paused game waits for a touch that input given by steps never makes"
[ "$(cat errors.txt)" = "$want" ] || fail "paused for good: said \"$(cat errors.txt)\""

"$sim" --hashes chain.txt 1001 130 > /dev/null || fail "--hashes: status $?"
"$sim" --check-hashes chain.txt 1001 130 > /dev/null 2> errors.txt || fail "same chain: status $?: $(cat errors.txt)"
"$sim" --check-hashes chain.txt --seed 2 1001 130 > /dev/null 2> errors.txt
status=$?
[ $status -eq 3 ] || fail "differing chain: status $status"
grep -q '^hashes differ from second 1 on (step 60): expected "60 [0-9a-f]*", got "60 [0-9a-f]*"$' errors.txt ||
    fail "differing chain: said \"$(cat errors.txt)\""

# The documents folder under a regular file: the copy cannot be saved.
"$sim" --hashes replay.hashes --save-replay 1001 120 > saved.txt || fail "--save-replay: status $?"
replay=$(sed -n 's/^replay //p' saved.txt)
cp "data/replay_local_$replay.txt" replay.txt
mkdir elsewhere
touch elsewhere/data
out=$(cd elsewhere && "$sim" --replay-file ../replay.txt 2> ../errors.txt)
status=$?
[ $status -eq 1 ] || fail "unsaved copy: status $status"
[ -z "$out" ] || fail "unsaved copy: printed $out"
[ "$(cat errors.txt)" = "cannot save $(pwd -P)/elsewhere/data/replay_web_0.txt: Not a directory" ] ||
    fail "unsaved copy: said \"$(cat errors.txt)\""
out=$("$sim" --replay-file replay.txt --check-hashes replay.hashes 2> errors.txt) ||
    fail "the replay's copy: status $?: $(cat errors.txt)"
exit $failed
