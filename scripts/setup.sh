#!/usr/bin/env bash
# One-time machine set-up for building zorbix2 on Debian 12: installs the build
# and test dependencies and enables the source entries that the Lua build needs.
# Quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build dpkg-dev
  libsdl2-dev libegl-dev libgles-dev libegl-mesa0 libgl1-mesa-dri
  libopenal-dev libalut-dev libpng-dev zlib1g-dev
  libmpg123-dev libmp3lame-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  clang-format ccache
  clang libclang-rt-14-dev
)

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# Lua is built from Debian's source package: apt-get source needs deb-src entries.
enable_sources() {
  local f=/etc/apt/sources.list.d/debian.sources
  if [ -f "$f" ] && ! grep -q '^Types:.*deb-src' "$f"; then
    as_root sed -i 's/^Types: deb$/Types: deb deb-src/' "$f"
    return 0
  fi
  if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list \
     && ! grep -q '^deb-src ' /etc/apt/sources.list; then
    grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | as_root tee -a /etc/apt/sources.list >/dev/null
    return 0
  fi
  return 1
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

need_update=0
enable_sources && need_update=1
# apt-get source also needs the source lists themselves.
ls /var/lib/apt/lists/*_source_Sources* >/dev/null 2>&1 || need_update=1
[ ${#missing[@]} -gt 0 ] && need_update=1

if [ $need_update = 1 ]; then
  as_root apt-get update -q
fi
if [ ${#missing[@]} -gt 0 ]; then
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
