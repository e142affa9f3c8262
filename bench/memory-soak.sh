#!/usr/bin/env bash
# Peak resident memory of the headless game after N frames, for each N given
# (600 6000 36000 by default), run in a scratch folder. A long run: a
# benchmark, never a test. ZORBIX_LEVEL starts a level in place of the title.
# usage: bench/memory-soak.sh [game binary] [frames ...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
game=${1:-$root/build/game/zorbix2}
shift || true
frames=("$@")
[ ${#frames[@]} -gt 0 ] || frames=(600 6000 36000)
game=$(cd "$(dirname "$game")" && pwd)/$(basename "$game")
scratch=$(mktemp -d /tmp/zorbix_soak_XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/data" "$scratch/app/native"
cd "$scratch"
printf '%8s %10s\n' frames max_rss_mb
for n in "${frames[@]}"; do
  kb=$(ZORBIX_HEADLESS=1 ALSOFT_DRIVERS=null ZORBIX_FRAMES="$n" \
       /usr/bin/time -f '%M' "$game" 2>&1 >/dev/null | tail -n 1)
  printf '%8s %10.1f\n' "$n" "$(echo "$kb / 1024" | bc -l)"
done
