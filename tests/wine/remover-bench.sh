#!/usr/bin/env bash
# Wall and CPU time of the remover's removal (1507 deletion attempts) under Wine, in a private
# prefix and display that are removed afterwards.
# usage: tests/wine/remover-bench.sh [ROUNDS] [BUILD_DIR]   (defaults: 5 rounds, build/win64)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
rounds=${1:-5}
build=${2:-$root/build/win64}

bash "$root/scripts/deps.sh"
(cd "$root" && cmake --preset win64 -B "$build" >/dev/null)
cmake --build "$build" -j2 --target remover_bench >/dev/null

source "$root/scripts/wine-env.sh"
run=$(mktemp -d)
trap 'wine_env_stop; rm -rf "$run"' EXIT
wine_env_start "$run/env"
timeout -k 5 600 "$WINE" "$build/tests/wine/remover_bench.exe" "$rounds"
