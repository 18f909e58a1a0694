#!/bin/bash
# The install sequence without its pause, timed against a plain copy of the same bytes, for a kit
# whose scheduler file is large. Runs the real Win32 code under Wine in a private prefix.
#
#   scripts/bench-install.sh [-B BUILD_DIR] [SCHEDULER_MB] [RUNS]    (defaults: build/win64, 50, 7)
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

build_dir=build/win64
if [ "${1:-}" = -B ]; then build_dir=$2; shift 2; fi
megabytes=${1:-50}
runs=${2:-7}

timeout -k 5 300 cmake --preset win64 -B "$build_dir" >/dev/null || exit 1
timeout -k 5 480 cmake --build "$build_dir" -j2 --target install_bench >/dev/null || exit 1
bench="$(cd "$build_dir" && pwd)/bench/install_bench.exe"

run_dir=$(mktemp -d /tmp/qlr-bench.XXXXXX)
trap 'wine_env_stop; rm -rf "$run_dir"' EXIT
DISPLAY= wine_env_start "$run_dir" >/dev/null 2>&1 || { echo "no Wine environment" >&2; exit 1; }

winpath() { echo "Z:${1//\//\\}"; }
kit="$run_dir/KIT" player="$run_dir/Winamp" work="$run_dir/work"
mkdir -p "$kit" "$player/plugins" "$work"
head -c "${megabytes}M" /dev/urandom >"$kit/_setup.qlr"
head -c 64K /dev/urandom >"$kit/_isdel.qlr"
for name in comdlg32.dll comdlg32.ocx comdlg32.dep comdlg32.oca out_ds_ssrc.dl_ in_line.dl_; do
    head -c 128K /dev/urandom >"$kit/$name"
done
head -c 1300K /dev/urandom >"$kit/msvbvm60.dll"
printf '[Winamp]\r\nshuffle=0\r\nvolume=200\r\n' >"$player/winamp.ini"

echo "kit: $(du -sh "$kit" | cut -f1) (scheduler ${megabytes} MB), $runs runs of each"
timeout -k 5 600 "$WINE" "$bench" "$(winpath "$kit")" "$(winpath "$player")" "$(winpath "$work")" "$runs"
