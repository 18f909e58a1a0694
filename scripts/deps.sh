#!/usr/bin/env bash
# Installs what building and testing the kit needs on Debian 12, when it is missing.
# Never installs wine32: 32-bit code cannot run on this kind of machine, and with it present the
# wine wrappers pick the 32-bit loader.
set -euo pipefail
packages=(cmake g++ make python3 googletest libgtest-dev libgmock-dev
          g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
          wine wine64 xvfb xauth imagemagick fonts-wine fonts-liberation)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi
