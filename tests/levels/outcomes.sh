#!/bin/sh
# What zorbix2-sim records and how a run ends:
# - a campaign level won undrawn records the time the game would, the same as
#   with --draw (never 0, which would beat every real time);
# - a run whose game quick-paused for good (every finger lifted, Auto-pause
#   on) says so and ends with status 1;
# - a hash chain that differs is named with the first second that differs,
#   status 3;
# - a replay file whose copy into data/ cannot be saved is told as a failed
#   save, status 1;
# - a replay it was to save and could not is not announced, status 1;
# - the replay file given is never changed, even when it is the copy's own
#   name or the copy's temporary file;
# - a hash chain reads the same with CRLF line ends, and one that cannot be
#   written is refused before the run.
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

# Replays that cannot be saved: asked for, and of a finished infinity game.
for run in "--save-replay --input random:1 1003 300" "--seed 2 --input pilot 1003 40000"; do
    out=$(cd elsewhere && "$sim" $run 2> ../errors.txt)
    status=$?
    [ $status -eq 1 ] || fail "$run, unsaved replay: status $status"
    case "$out" in *replay*) fail "$run, unsaved replay: printed $out" ;; esac
    echo "$out" | grep -q '^hash ' || fail "$run, unsaved replay: no results: $out"
    grep -qx "cannot save $(pwd -P)/elsewhere/data/replay_local_[0-9]*.txt: Not a directory" errors.txt ||
        fail "$run, unsaved replay: said \"$(cat errors.txt)\""
done

# The copy's own name is played where it is, directly or through a link; its
# temporary file is refused. Each stays as it was.
cp replay.txt data/replay_web_0.txt
ln -s data/replay_web_0.txt link.txt
for file in data/replay_web_0.txt link.txt; do
    "$sim" --replay-file $file --check-hashes replay.hashes > /dev/null 2> errors.txt ||
        fail "--replay-file $file: status $?: $(cat errors.txt)"
    cmp -s replay.txt data/replay_web_0.txt || fail "--replay-file $file: the file was changed or removed"
done
mv data/replay_web_0.txt data/replay_web_0.txt.tmp
out=$("$sim" --replay-file data/replay_web_0.txt.tmp 2> errors.txt)
status=$?
[ $status -eq 1 ] || fail "the copy's temporary file: status $status"
[ "$(cat errors.txt)" = "$sim: cannot play data/replay_web_0.txt.tmp: it is the temporary file of the replay's copy" ] ||
    fail "the copy's temporary file: said \"$(cat errors.txt)\""
cmp -s replay.txt data/replay_web_0.txt.tmp || fail "the copy's temporary file was changed or removed"
rm data/replay_web_0.txt.tmp

# Hash chains: CRLF line ends, and a file that cannot be written.
sed 's/$/\r/' chain.txt > crlf.txt
"$sim" --check-hashes crlf.txt 1001 130 > /dev/null 2> errors.txt || fail "CRLF chain: status $?: $(cat errors.txt)"
out=$("$sim" --hashes nowhere/chain.txt 1001 130 2> errors.txt)
status=$?
[ $status -eq 1 ] || fail "unwritable chain: status $status"
[ -z "$out" ] || fail "unwritable chain: ran and printed $out"
[ "$(cat errors.txt)" = "$sim: cannot write nowhere/chain.txt: No such file or directory" ] ||
    fail "unwritable chain: said \"$(cat errors.txt)\""
exit $failed
