#!/usr/bin/env bash
# Sets up the machine, then builds and runs every test twice: in the normal build
# and in the AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
jobs=$(nproc)
status=0
for kind in normal sanitize; do
  "$root/scripts/build.sh" "$kind"
  dir="$root/build"; [ "$kind" = sanitize ] && dir="$root/build-sanitize"
  echo "== tests ($kind build)"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" || status=1
done
exit $status
