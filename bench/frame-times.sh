#!/usr/bin/env bash
# Whole-process timings of the headless game, min / median / max over RUNS
# runs (5 by default), in a scratch folder:
# - start: seconds of a run that ends during its first frame (start-up, the
#   first level or menu built and drawn once);
# - frame: milliseconds a frame, from runs of FEW and MANY frames (200 and
#   1,200), each frame's GL work finished (the headless swap does); pairs of
#   runs are taken in turn, so a drift of the machine reaches both.
# Each as wall time and as CPU time (user + system, all threads: the
# renderer rasterises on several).
# The title screen by default; ZORBIX_LEVEL starts a level in its place
# (1004 for a play frame). A benchmark, never a test.
# usage: bench/frame-times.sh [game binary]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
game=${1:-$root/build/game/zorbix2}
game=$(cd "$(dirname "$game")" && pwd)/$(basename "$game")
runs=${RUNS:-5}
few=${FEW:-200}
many=${MANY:-1200}
scratch=$(mktemp -d /tmp/zorbix_frames_XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/data" "$scratch/app/native"
cd "$scratch"

# "wall cpu" seconds of one headless run of N frames.
run() {
    ZORBIX_HEADLESS=1 ALSOFT_DRIVERS=null ZORBIX_FRAMES="$1" \
        /usr/bin/time -f '%e %U %S' "$game" 2>&1 >/dev/null | tail -n 1 | awk '{ print $1, $2 + $3 }'
}

summary() {
    sort -g | awk '{ v[NR] = $1 } END { printf "%.3f / %.3f / %.3f\n", v[1], v[int((NR + 1) / 2)], v[NR] }'
}

run 1 >/dev/null
startWall=() startCpu=() frameWall=() frameCpu=()
for ((i = 0; i < runs; i++)); do
    read -r w c <<<"$(run 1)"
    startWall+=("$w") startCpu+=("$c")
    read -r aw ac <<<"$(run "$few")"
    read -r bw bc <<<"$(run "$many")"
    frameWall+=("$(echo "($bw - $aw) * 1000 / ($many - $few)" | bc -l)")
    frameCpu+=("$(echo "($bc - $ac) * 1000 / ($many - $few)" | bc -l)")
done
echo "min / median / max of $runs runs"
printf 'start, wall s: '
printf '%s\n' "${startWall[@]}" | summary
printf 'start, CPU s:  '
printf '%s\n' "${startCpu[@]}" | summary
printf 'frame, wall ms: '
printf '%s\n' "${frameWall[@]}" | summary
printf 'frame, CPU ms:  '
printf '%s\n' "${frameCpu[@]}" | summary
