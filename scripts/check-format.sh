#!/usr/bin/env bash
# Lists the C++ files under src/ tests/ tools/ bench/ that clang-format (with
# the repository's .clang-format) would change; exit status 1 when there are any.
# usage: scripts/check-format.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if ! command -v clang-format >/dev/null; then
  echo "clang-format is not installed (scripts/setup.sh installs it)" >&2
  exit 2
fi
unformatted=0
while IFS= read -r -d '' file; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
    echo "$file"
    unformatted=1
  fi
done < <(find src tests tools bench -type f \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null | sort -z)
exit $unformatted
