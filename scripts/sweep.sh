#!/usr/bin/env bash
# Plays levels over many seeds with the levels' scripted players (or with no
# input) and prints what came of it: for a campaign level the wins per
# difficulty and the mean steps of a win, for an infinity level the score and
# medal of each seed. A long run, outside the normal suite (the tests
# sweep.pilot and sweep.none of a tree configured with -DZORBIX_SWEEP=ON).
#
# usage: scripts/sweep.sh [--levels "0 1 8 1004"] [--seeds "1 2 3"] [--difficulties "0 2"]
#                         [--input pilot|none] [--minutes N] [--check] [--sim PATH]
# Levels are the simulator's numbers: 0-9, 100-106 and 200-212 the campaigns,
# 1000-1007 the infinity levels. Defaults: every level (the campaigns' only,
# with no input), seeds 1-10 (1-6 for the infinity levels), difficulties 0
# and 2, the pilot, 10 minutes a game (5 for the infinity levels).
# --check fails unless: with the pilot, every campaign level is won on at
# least 9 of 10 seeds at difficulty 0 and 7 of 10 at difficulty 2 (scaled to
# the seeds given), and every infinity level reaches bronze on at least half
# of its seeds and gold on at most one; with no input, no campaign level is
# won at all.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sim="$root/build/game/zorbix2-sim"
levels="0 1 2 3 4 5 6 7 8 9 100 101 102 103 104 105 106 200 201 202 203 204 205 206 207 208 209 210 211 212
1000 1001 1002 1003 1004 1005 1006 1007"
seeds="" difficulties="0 2" input=pilot minutes="" check=0 levels_given=0
while [ $# -gt 0 ]; do
  case "$1" in
    --levels) levels=$2; levels_given=1; shift 2 ;;
    --seeds) seeds=$2; shift 2 ;;
    --difficulties) difficulties=$2; shift 2 ;;
    --input) input=$2; shift 2 ;;
    --minutes) minutes=$2; shift 2 ;;
    --check) check=1; shift ;;
    --sim) sim=$2; shift 2 ;;
    *) echo "usage: see the opening of $0" >&2; exit 2 ;;
  esac
done
[ -x "$sim" ] || { echo "$0: no simulator at $sim (scripts/build.sh normal)" >&2; exit 2; }
case "$input" in pilot | none) ;; *) echo "$0: --input is pilot or none" >&2; exit 2 ;; esac
# With no input only the campaign levels have something to check.
if [ "$input" = none ] && [ "$levels_given" = 0 ]; then
  levels=$(for l in $levels; do [ "$l" -ge 1000 ] || echo "$l"; done)
fi

# The medal thresholds of the infinity levels, by number (bronze silver gold).
declare -A medals=([1000]="10000 20000 30000" [1001]="4000 6000 8000" [1002]="5000 10000 15000"
  [1003]="20000 30000 50000" [1004]="5000 7000 9000" [1005]="2000 4000 6000" [1006]="10000 20000 30000"
  [1007]="5000 10000 15000")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One line per game: level difficulty seed steps-limit.
jobs_file="$work/jobs"
: >"$jobs_file"
for level in $levels; do
  if [ "$level" -ge 1000 ]; then
    lseeds=${seeds:-"1 2 3 4 5 6"}
    ldiffs=0
    limit=$((${minutes:-5} * 3600))
  else
    lseeds=${seeds:-"1 2 3 4 5 6 7 8 9 10"}
    ldiffs=$difficulties
    limit=$((${minutes:-10} * 3600))
  fi
  for d in $ldiffs; do
    for s in $lseeds; do echo "$level $d $s $limit" >>"$jobs_file"; done
  done
done

# Each game in a folder of its own: a finished game writes scores there.
run_one() {
  local level=$1 d=$2 s=$3 limit=$4 dir
  dir=$(mktemp -d "$work/run.XXXXXX")
  local args=(--seed "$s" --difficulty "$d")
  [ "$input" = pilot ] && args+=(--input pilot)
  local out
  out=$(cd "$dir" && ALSOFT_DRIVERS=null ZORBIX_HEADLESS=1 "$sim" "${args[@]}" "$level" "$limit" 2>/dev/null) || true
  local score steps
  # Sound files are not found from the run folder: their messages (no line
  # end) may come first on the score line.
  score=$(sed -n 's/.*score \([-0-9]*\)$/\1/p' <<<"$out")
  steps=$(sed -n 's/^steps //p' <<<"$out")
  echo "$level $d $s ${score:--1} ${steps:--1} $limit"
  rm -rf "$dir"
}
export -f run_one
export work sim input
xargs -P "$(nproc)" -L 1 bash -c 'run_one "$@"' _ <"$jobs_file" | sort -n -k1,1 -k2,2 -k3,3 >"$work/results"

status=0
printf '%-6s %-4s %-12s %-10s %s\n' level diff wins "mean steps" "per seed (score/steps)"
for level in $levels; do
  for d in $difficulties; do
    rows=$(awk -v l="$level" -v d="$d" '$1 == l && $2 == d' "$work/results")
    [ -n "$rows" ] || continue
    if [ "$level" -ge 1000 ]; then
      read -r bronze silver gold <<<"${medals[$level]}"
      line=$(awk -v b="$bronze" -v s="$silver" -v g="$gold" '{
          m = $4 >= g ? "gold" : $4 >= s ? "silver" : $4 >= b ? "bronze" : "-";
          n++; if ($4 >= b) nb++; if ($4 >= g) ng++;
          out = out sprintf(" %s:%d(%s)", $3, $4, m) }
        END { printf "%d %d %d|%s", n, nb, ng, out }' <<<"$rows")
      read -r n nb ng <<<"${line%%|*}"
      printf '%-6s %-4s %-12s %-10s %s\n' "$level" "-" "bronze $nb/$n" "gold $ng" "${line#*|}"
      if [ "$check" = 1 ] && [ "$input" = pilot ] && { [ $((2 * nb)) -lt "$n" ] || [ "$ng" -gt 1 ]; }; then
        echo "  ^ infinity level $level: bronze on $nb of $n seeds, gold on $ng" >&2
        status=1
      fi
    else
      line=$(awk '{ n++; won = ($4 > 0 && $5 < $6); if (won) { w++; t += $5 }
          out = out sprintf(" %s:%d/%d%s", $3, $4, $5, won ? "" : "x") }
        END { printf "%d %d %d|%s", n, w, w ? t / w : 0, out }' <<<"$rows")
      read -r n w mean <<<"${line%%|*}"
      printf '%-6s %-4s %-12s %-10s %s\n' "$level" "$d" "$w/$n" "$mean" "${line#*|}"
      if [ "$check" = 1 ]; then
        if [ "$input" = none ] && [ "$w" -gt 0 ]; then
          echo "  ^ level $level at difficulty $d is won with no input" >&2
          status=1
        elif [ "$input" = pilot ]; then
          need=$(((d == 0 ? 9 : 7) * n / 10))
          if [ "$w" -lt "$need" ]; then
            echo "  ^ level $level at difficulty $d: the pilot wins $w of $n, needs $need" >&2
            status=1
          fi
        fi
      fi
    fi
  done
done
exit $status
