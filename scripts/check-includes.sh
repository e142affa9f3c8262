#!/usr/bin/env bash
# Lists the includes under src/ that run against the order of the folders;
# exit status 1 when there are any.
#
# The folders depend one way, each on those before it:
#   platform → core → script → graphics → actors → levelplay → savedata → widgets → screens
# platform wraps the system (SDL, sockets, GL context) and knows nothing of the
# game; core holds the value types, the entity world, the sticks, the screen
# switching and the state a running level shares with its actors (camera,
# sticks, pinned difficulty); script is the Lua runtime (libraries, loaders,
# the store of embedded scripts, reading globals); graphics draws and plays sound; actors are the
# entities of a level; levelplay runs a level (scripts, replays, the play
# screen); savedata keeps what the player has (preferences, scores,
# achievements, the score server); widgets are the buttons and menu panels;
# screens are the menus around play. A file directly under src/ (main.cpp, the
# start-up) stands above every folder.
# Where a lower folder must reach a higher one, it declares a hook that the
# higher one sets (a function pointer or an interface in the lower folder).
#
# The includes listed in "waived" below still run against the order: the sticks
# in core draw with graphics and read their placement from the preferences, the
# vector models in graphics read their scripts through levelplay's runtime, and
# the play screen uses the buttons and in-game menu of widgets. Each is to be
# turned into a hook and struck from the list; nothing may be added to it.
# usage: scripts/check-includes.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
order=(platform core script graphics actors levelplay savedata widgets screens)
waived="
  src/core/Joysticks.cpp graphics/VectorModel.h
  src/core/Joysticks.cpp savedata/Preferences.h
  src/levelplay/StatePlay.cpp widgets/Button.h
  src/levelplay/StatePlay.cpp widgets/InGameMenu.h
  src/levelplay/StatePlayDraw.cpp widgets/Button.h
  src/levelplay/StatePlayDraw.cpp widgets/InGameMenu.h
  src/levelplay/StatePlayDraw.cpp widgets/InGamePauseAlert.h
"

find src -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0 | sort -z |
  xargs -0 grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' /dev/null |
  awk -v order="${order[*]}" -v waived="$waived" '
    BEGIN {
      n = split(order, names, " "); for (i = 1; i <= n; i++) rank[names[i]] = i
      m = split(waived, lines, "\n"); for (i = 1; i <= m; i++) { split(lines[i], w, " "); if (w[2] != "") allowed[w[1] " " w[2]] = 1 }
    }
    {
      split($0, parts, ":"); file = parts[1]
      split(file, dirs, "/")
      from = (file ~ /^src\/[^\/]+$/) ? "" : dirs[2]
      match($0, /"[^"\/]+\//); to = substr($0, RSTART + 1, RLENGTH - 2)
      if (!(to in rank)) next
      fromRank = (from == "") ? n + 1 : ((from in rank) ? rank[from] : 0)
      if (fromRank == 0) { print file ": folder " from " is not in the order"; bad = 1; next }
      match($0, /"[^"]+"/); included = substr($0, RSTART + 1, RLENGTH - 2)
      if (rank[to] > fromRank && !((file " " included) in allowed)) { print $0 "   (" from " may not include " to ")"; bad = 1 }
    }
    END { exit bad }'
