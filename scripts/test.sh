#!/usr/bin/env bash
# Builds everything and runs every test: the portable core's unit tests (native, with sanitizers),
# the shipped 32-bit build (compiled, not run: this kernel runs no 32-bit code), and the real
# 64-bit programs end to end under Wine on a private virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

echo "== native: unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j2
ctest --preset native

echo "== win32: the shipped kit"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2

echo "== win64: end to end under Wine"
bash scripts/test-wine.sh
