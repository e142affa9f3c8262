#!/usr/bin/env bash
# Lists the C++ files under src/ tests/ tools/ bench/ that clang-format (with
# the repository's .clang-format) would change; exit status 1 when there are any.
# The files go to clang-format in a few large batches, one per core, rather than
# one process per file.
# usage: scripts/check-format.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if ! command -v clang-format >/dev/null; then
  echo "clang-format is not installed (scripts/setup.sh installs it)" >&2
  exit 2
fi
files=()
while IFS= read -r -d '' file; do
  files+=("$file")
done < <(find src tests tools bench -type f \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null | sort -z)
[ ${#files[@]} -gt 0 ] || exit 0

# Each batch reports a file it would change as "FILE:LINE:COL: error: code
# should be clang-formatted"; any other failure (a broken .clang-format, an
# unreadable file) is shown as it is and ends the check with status 2.
jobs=$(nproc)
per_batch=$(( (${#files[@]} + jobs - 1) / jobs ))
reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
# Each batch writes a report of its own, so that parallel messages never mix.
printf '%s\0' "${files[@]}" |
  xargs -0 -n "$per_batch" -P "$jobs" sh -c \
    'out=$(mktemp "$0/batch.XXXXXX"); clang-format --dry-run --Werror "$@" >"$out" 2>&1 || echo "exit status $?" >>"$out"' \
    "$reports"
unformatted=$(cat "$reports"/batch.* | sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' | sort -u)
if [ -n "$unformatted" ]; then
  echo "$unformatted"
  exit 1
fi
if grep -q '^exit status ' "$reports"/batch.*; then
  cat "$reports"/batch.* >&2
  exit 2
fi
exit 0
