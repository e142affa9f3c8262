#!/usr/bin/env bash
# Renders the gallery (screens, widgets, levels) headless into build/gallery/
# and prints the index page to open. Open it after any visual change.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" normal >/dev/null
rm -rf "$root/build/gallery"
(cd "$root/build/game" && ZORBIX_HEADLESS=1 ALSOFT_DRIVERS=null "$root/build/tests/test_gallery" --gtest_brief=1)
echo "$root/build/gallery/index.html"
