#!/bin/sh
# The replay-rules mode of zorbix2-sim: each call that an infinity level may
# not make ends the simulation with a script error that names it, while a
# level that keeps the rules (random numbers from math.rand) runs.
# Usage: replayrules.sh SIM
set -u
sim=$1
level=/data/levels/infinity/rules/rules.lua
script=$(pwd)/rules.lua
write() {
    cat > "$script" <<LUA
function init()
    zorbix.setMapBoundaries(1000, 1000)
    zorbix.newPlayer(500, 500)
end
local steps = 0
function update()
    steps = steps + 1
    if steps == 10 then $1 end
end
LUA
}
failed=0
for call in 'os.time()' 'io.open("x")' 'require("os").clock()' 'local t = os; t.exit()' \
    'zorbix.getButtonWasPressed()' 'zorbix.setButtonIsVisible(true)' 'zorbix.setButtonWasPressed(false)' \
    'zorbix.getDifficultyLevel()' 'zorbix.getMusicAmplitude()'; do
    write "$call"
    out=$("$sim" --replay-rules --add-script "$level=$script" "$level" 60 2>&1)
    status=$?
    name=$(printf '%s' "$call" | sed 's/^local t = os; t\./os./; s/^require("os")\./os./; s/(.*//')
    case "$out" in
        *"replay rules: $name may not"*) [ $status -eq 1 ] || { echo "$call: status $status"; failed=1; } ;;
        *) echo "$call: not refused: $out"; failed=1 ;;
    esac
done
write 'math.rand()'
"$sim" --replay-rules --add-script "$level=$script" "$level" 60 > /dev/null || { echo "math.rand() refused"; failed=1; }
exit $failed
