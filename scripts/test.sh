#!/usr/bin/env bash
# Builds everything and runs every test: the portable core's unit tests (native, with sanitizers);
# the real programs end to end under Wine on a private virtual display, first the 64-bit build,
# then the shipped 32-bit build in the same kind of 64-bit prefix (as on 64-bit Windows); and the
# checks of the shipped build and its kit (sizes, a second build byte for byte, signing).
# Where this machine's kernel runs no 32-bit code, the 32-bit end-to-end tests run in an emulated
# PC instead (scripts/vm32.sh; its first run on a machine makes its disk image). QLR_SKIP_VM=1
# leaves them out for a quick loop: the last line then says "NOT RUN", and the status tells whether
# everything that did run passed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
started=$SECONDS
stage() { echo "== $* ($((SECONDS - started)) s)"; }

stage "native: unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j2
ctest --preset native

stage "native: the parsers of text from outside, fuzzed (30 s each)"
bash scripts/fuzz.sh 30

stage "win64: end to end under Wine"
bash scripts/test-wine.sh -p win64

stage "win32: the shipped build and its kit"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2
# From the checks' own folder: ctest at the top of the build would first list the end-to-end tests
# by running them under Wine, outside any test prefix.
ctest --test-dir build/win32/tests/kit --output-on-failure

status=0
if bash scripts/runs-32bit.sh; then
    stage "win32: end to end under Wine"
    bash scripts/test-wine.sh -p win32 || status=$?
elif [ "${QLR_SKIP_VM:-0}" = 1 ]; then
    stage "done"
    echo "NOT RUN: the shipped 32-bit programs end to end (QLR_SKIP_VM=1; this machine runs no"
    echo "32-bit code, scripts/vm32.sh runs them in an emulated PC); everything else passed"
    exit 0
else
    stage "win32: end to end under Wine, in an emulated PC (this machine runs no 32-bit code)"
    bash scripts/vm32.sh test || status=$?
fi
stage "done"
exit $status
