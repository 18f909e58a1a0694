#!/usr/bin/env bash
# Installs what building and testing the kit needs on Debian 12, when it is missing.
# Where this machine runs 32-bit code, that includes Debian's 32-bit Wine (wine32:i386, beside
# wine64): the shipped 32-bit programs then run in the tests' 64-bit prefix, as on 64-bit Windows.
set -euo pipefail
cd "$(dirname "$0")/.."
packages=(cmake g++ make binutils python3 googletest libgtest-dev libgmock-dev
          g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
          wine wine64 xvfb xauth imagemagick fonts-wine fonts-liberation
          osslsigncode openssl clang-14 libclang-rt-14-dev)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

if bash scripts/runs-32bit.sh; then
  if ! installed wine32:i386; then
    echo "this machine runs 32-bit code: installing wine32:i386"
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq wine32:i386 >/dev/null
  fi
else
  echo "this machine runs no 32-bit code: wine32:i386 not installed; the 32-bit programs" \
       "will be compiled but cannot be run"
fi
