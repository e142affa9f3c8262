#!/usr/bin/env bash
# Lists the includes under src/ that run against the order of the folders;
# exit status 1 when there are any. With --graph it prints instead how many
# includes go from each folder to each other one (the top files as "src"),
# backward pairs marked, and still fails when there is a backward one.
#
# The folders depend one way, each on those before it:
#   platform → core → script → graphics → actors → widgets → levelplay → savedata → screens
# platform wraps the system (SDL, sockets, GL context) and knows nothing of the
# game; core holds the value types, the entity world, the sticks, the screen
# switching and the state a running level shares with its actors (camera,
# sticks, pinned difficulty); script is the Lua runtime (its libraries and
# loaders, the store of embedded scripts, reading a script's globals); graphics
# draws and plays sound; actors are the entities of a level; widgets are the
# buttons, texts, keyboard focus and the panels made of them that know nothing
# of levels or saved data; levelplay runs a level (the zorbix module, replays,
# the play screen); savedata keeps what the player has (preferences, scores,
# achievements, the score server); screens are the menus around play and the
# panels that show levels and scores. A file directly under src/ (main.cpp,
# the start-up) stands above every folder.
# Where a lower folder must reach a higher one, it declares a hook that the
# higher one sets (a function pointer or an interface in the lower folder).
# usage: scripts/check-includes.sh [--graph]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
graph=0
case "${1:-}" in
  "") ;;
  --graph) graph=1 ;;
  *) echo "usage: $0 [--graph]" >&2; exit 2 ;;
esac
order=(platform core script graphics actors widgets levelplay savedata screens)

find src -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0 | sort -z |
  xargs -0 grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' /dev/null |
  awk -v order="${order[*]}" -v graph="$graph" '
    BEGIN { n = split(order, names, " "); for (i = 1; i <= n; i++) rank[names[i]] = i; names[n + 1] = "src" }
    {
      split($0, parts, ":"); file = parts[1]
      split(file, dirs, "/")
      from = (file ~ /^src\/[^\/]+$/) ? "" : dirs[2]
      match($0, /"[^"\/]+\//); to = substr($0, RSTART + 1, RLENGTH - 2)
      if (!(to in rank)) next
      fromRank = (from == "") ? n + 1 : ((from in rank) ? rank[from] : 0)
      if (fromRank == 0) { print file ": folder " from " is not in the order"; bad = 1; next }
      if (rank[to] != fromRank) count[fromRank, rank[to]]++
      if (rank[to] > fromRank) {
        bad = 1
        if (!graph) print $0 "   (" from " may not include " to ")"
      }
    }
    END {
      if (graph) {
        for (f = n + 1; f >= 1; f--)
          for (t = n; t >= 1; t--)
            if ((f, t) in count)
              printf "%-10s -> %-10s %4d%s\n", names[f], names[t], count[f, t], (t > f) ? "   backward" : ""
      }
      exit bad
    }'
