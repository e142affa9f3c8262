#!/bin/sh
# Runs a command in a scratch game folder of its own (empty data/ and
# app/native/ under /tmp), removed afterwards: level tests never touch the
# player's documents, nor each other's.
# Usage: scratch.sh COMMAND [ARGUMENT]...
set -u
dir=$(mktemp -d /tmp/zorbix_level_XXXXXX) || exit 1
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/data" "$dir/app" "$dir/app/native" || exit 1
cd "$dir" || exit 1
"$@"
